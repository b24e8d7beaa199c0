// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the pages the browser checks play, from the shipped word data with
// fixed seeds, and beside them what the checks need to know of each puzzle
// (the answers, and hashes the program computed), which the pages keep only
// as hashes.
//   web_sample_pages DATA_SOURCE_DIR TEXTS_DIR OUT_DIR
#include "bukvoklad/core/WebPage.h"
#include "slovolov/core/OwnPuzzle.h"
#include "slovolov/core/WebPage.h"
#include "slovoset/core/AnalizTexta.h"
#include "slovoset/core/SaveHtml.h"
#include "slovoset/core/StartGame.h"
#include "slovoset/core/WebPage.h"

#include "common/core/Cp1251.h"
#include "common/web/Sha256.h"
#include "common/web/WebPage.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace fs = std::filesystem;
using smek::web::jsonString;

namespace {

bool write(const fs::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

std::string readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A board of a level; the words' cells are in the page itself.
std::string wordSearch(const fs::path& data, int level, int clock, std::uint64_t seed) {
    smek::slovolov::GameState g;
    g.settings.Level = level;
    smek::slovolov::resetForNewGame(g);
    smek::Random random(seed);
    if (smek::slovolov::buildBoard(g, (data / "slovolov").string() + "/", random).status !=
        smek::slovolov::BuildResult::Status::Ok)
        return {};
    return smek::slovolov::webPage(g, clock);
}

// An own puzzle whose words may also lie on the up-right diagonal.
std::string ownWordSearch() {
    smek::slovolov::OwnPuzzle puzzle{"Осень <3 класс>", {}, 10, true};
    for (const char* w : {"ЛИСТОПАД", "ЖУРАВЛЬ", "УРОЖАЙ", "ЁЖИК", "ДОЖДЬ", "ТУЧА", "ЗОНТ", "ГРИБ", "ЛУЖА", "ОСЕНЬ"})
        puzzle.words.push_back(smek::w1251(w));
    smek::Random random(1);
    smek::slovolov::OwnBuild built = smek::slovolov::buildOwnBoard(puzzle, {}, random);
    return built.ok ? smek::slovolov::webPage(built.game, 0) : std::string();
}

// A created puzzle of a text, and its words with their positions.
std::string hiddenWords(const fs::path& data, const std::string& text, std::string& words) {
    smek::slovoset::Puzzle p;
    p.PathData = (data / "slovoset").string() + "/";
    smek::slovoset::StartGame(p, 1, text);
    smek::slovoset::AnalizTexta(p, 0);
    for (const auto* w : smek::slovoset::hintWords(p)) {
        if (!words.empty()) words += ',';
        words += "{\"word\":" + jsonString(smek::cp1251ToUtf8(w->Slovo)) + ",\"p\":" + std::to_string(w->Nachalo) + "}";
    }
    return smek::slovoset::webPage(p, smek::w1251("Ёжик в лесу"));
}

std::string worksheet(const fs::path& data, int count, std::string& words) {
    smek::Random random(7);
    const smek::bukvoklad::Worksheet sheet = smek::bukvoklad::makeWorksheet(data / "bukvoklad", count, 0, random);
    for (const auto& item : sheet.items) {
        if (!words.empty()) words += ',';
        words += jsonString(smek::cp1251ToUtf8(item.word));
    }
    return smek::bukvoklad::webPage(sheet);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: web_sample_pages DATA_SOURCE_DIR TEXTS_DIR OUT_DIR\n";
        return 2;
    }
    const fs::path data = argv[1], texts = argv[2], out = argv[3];
    fs::create_directories(out);
    std::string setWords, longWords, sheetWords, bigSheetWords;
    std::string longText;
    for (const auto& name : {"01-dacha.txt", "02-gorod.txt", "03-les.txt", "04-pisma.txt", "05-puteshestvie.txt"})
        longText += readAll(texts / name) + "\n";
    const std::pair<const char*, std::string> pages[] = {
        {"slovolov-small.html", wordSearch(data, 0, 0, 11)},
        {"slovolov-large.html", wordSearch(data, 2, 300, 12)},
        {"slovolov-own.html", ownWordSearch()},
        {"slovoset.html", hiddenWords(data, readAll(texts / "03-les.txt"), setWords)},
        {"slovoset-long.html", hiddenWords(data, longText, longWords)},
        {"bukvoklad.html", worksheet(data, 10, sheetWords)},
        {"bukvoklad-large.html", worksheet(data, 30, bigSheetWords)},
    };
    for (const auto& [name, page] : pages)
        if (page.empty() || !write(out / name, page)) {
            std::cerr << "web_sample_pages: " << name << " not made\n";
            return 1;
        }
    // Hashes the program computes, for the pages' own to match.
    std::string hashes;
    for (const char* input : {"", "abc", "a|1|ЕЖ", "0123456789abcdef|42|ПРИВЕТ"}) {
        if (!hashes.empty()) hashes += ',';
        hashes += "[" + jsonString(input) + ",\"" + smek::web::sha256Hex(input) + "\"]";
    }
    std::string long64(1000, 'x');
    hashes += ",[" + jsonString(long64) + ",\"" + smek::web::sha256Hex(long64) + "\"]";
    const std::string facts = "{\"slovoset\":[" + setWords + "],\"bukvoklad\":[" + sheetWords + "],\"hashes\":[" +
                              hashes + "]}\n";
    return write(out / "answers.json", facts) ? 0 : 1;
}
