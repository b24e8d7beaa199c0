// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed corpus of every harness with the project's own writers:
// fuzz_seeds <folder> makes <folder>/<harness>/ for each.
#include "Fuzz.h"
#include "bukvoklad/core/Settings.h"
#include "common/core/Cp1251.h"
#include "common/core/DialogFolders.h"
#include "common/core/NumberText.h"
#include "common/core/Random.h"
#include "common/core/Statistics.h"
#include "common/core/TextFile.h"
#include "slovolov/core/SavedGame.h"
#include "slovolov/core/Settings.h"
#include "slovoset/core/AnalizTexta.h"
#include "slovoset/core/GameFile.h"
#include "slovoset/core/StartGame.h"

#include <memory>

namespace fs = std::filesystem;

namespace {

fs::path out;
int counter = 0;

void seed(const std::string& harness, std::string_view content) {
    fs::create_directories(out / harness);
    if (smek::writeTextFileAtomic(out / harness / ("seed" + std::to_string(++counter)), content)) std::abort();
}

std::string prefixed(int byte, const std::string& content) { return std::string(1, static_cast<char>(byte)) + content; }

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    out = argv[1];
    const std::string words = std::string(FIXTURES_DIR) + "/slovolov/words/";
    const std::string dictionary = std::string(FIXTURES_DIR) + "/slovoset/Data/";

    // Saved word-search games at every level, untimed and timed, one word found.
    for (int level = 0; level <= 2; ++level) {
        smek::slovolov::GameState g;
        g.settings.Level = level;
        smek::slovolov::resetForNewGame(g);
        smek::Random random(17 + static_cast<std::uint64_t>(level));
        if (smek::slovolov::buildBoard(g, level == 0 ? words : std::string(DATA_SOURCE_DIR) + "/slovolov/", random).status !=
            smek::slovolov::BuildResult::Status::Ok)
            return 1;
        seed("slv", smek::slovolov::slvText(g));
        const auto& r = g.Recs[0];
        smek::slovolov::boardClick(g, r[0] * g.CellSize + 1, r[1] * g.CellSize + 1);
        smek::slovolov::boardClick(g, r[2] * g.CellSize + 1, r[3] * g.CellSize + 1);
        g.settings.IgraNaVremya = 1;
        g.OstMin = 2;
        g.OstSec = 5;
        seed("slv", smek::slovolov::slvText(g));
        seed("freeformat", prefixed(0x5A, smek::slovolov::slvText(g)));
    }

    // Game files of the hidden-word game with the test dictionary.
    for (const char* text : {"Ел ка, ле с и кот ик", "Кит ок, ко т ик рам.\r\nЛе с! Ел ка ко тик"}) {
        smek::slovoset::Puzzle p;
        p.PathData = dictionary;
        smek::slovoset::StartGame(p, 0, text);
        smek::slovoset::AnalizTexta(p, 0);
        if (p.MaxSlova >= 0) p.Slova[0].Vybrano = 1;
        seed("sst", smek::slovoset::gameFileText(p) + "\r\n");
        seed("analysis", text);
        seed("cp1251", smek::w1251(text));
        seed("cp1251", text);
    }
    seed("analysis", smek::w1251("Кот<br>ик & <b>ле</b> с"));

    // Settings files.
    seed("settings", smek::slovolov::settingsText(smek::slovolov::Settings{2, 1, 1, 3, 59}));
    smek::bukvoklad::Game game;
    game.OptTime = 1;
    game.OptSec = 30;
    game.OptKolBukv = 8;
    seed("settings", smek::bukvoklad::settingsText(game));
    seed("settings", smek::settingsLine(21));
    seed("freeformat", prefixed(0xFF, smek::slovolov::settingsText(smek::slovolov::Settings{1, 0, 1, 0, 45})));

    // Word files and dictionary files as shipped with the tests.
    for (const auto& entry : fs::directory_iterator(words)) {
        const std::string name = entry.path().filename().string();
        const int length = std::stoi(name.substr(name.rfind('.') + 1));
        seed("wordfile", prefixed(length - 3, smek::readTextFile(entry.path()).content));
    }
    for (const auto& entry : fs::directory_iterator(dictionary)) {
        const std::string name = entry.path().filename().string();
        const int length = std::stoi(name.substr(name.rfind('.') + 1));
        seed("dictionary", prefixed(length - 1, smek::readTextFile(entry.path()).content));
    }

    // A statistics record with every count, and remembered folders of each kind.
    smek::Statistics stats;
    stats.started = 12;
    stats.won = 7;
    stats.lostOnTime = 2;
    stats.givenUp = 3;
    stats.hints = 4;
    stats.streak = 1;
    stats.longestStreak = 5;
    stats.levels[1] = {3, 400, 95};
    seed("userfiles", smek::statisticsText(stats));
    seed("userfiles", smek::foldersText({{"slv", "/home/u/Игры"}, {"sst", "/home/u/Тексты"}, {"html", "/tmp"}}));
    return 0;
}
