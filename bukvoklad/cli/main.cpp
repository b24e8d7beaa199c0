// SPDX-License-Identifier: GPL-3.0-or-later
// bukvoklad-cli: anagram worksheets without a window, for teachers who make
// many of them, from the game's words, a theme or their own list.
#include "bukvoklad/core/WebPage.h"
#include "bukvoklad/core/Worksheet.h"
#include "bukvoklad/print/WorksheetPages.h"

#include "common/core/CommandLine.h"
#include "common/core/Version.h"
#include "common/core/OwnList.h"
#include "common/core/Paths.h"
#include "common/core/Themes.h"
#include "common/core/WordFiles.h"

#include "common/ui/NoDisplay.h"

#include <QGuiApplication>
#include <charconv>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

namespace {

using namespace smek::bukvoklad;

constexpr const char* kUsage =
    "usage: bukvoklad-cli sheet [--words FILE | [--length N] [--theme NAME]] [--count N] [--seed N] [--] OUT.pdf\n"
    "       bukvoklad-cli sheet --web [--words FILE | [--length N] [--theme NAME]] [--count N] [--seed N] [--] OUT.html\n"
    "       bukvoklad-cli themes\n"
    "       bukvoklad-cli --help | --version\n";

constexpr const char* kHelp =
    "Makes an anagram worksheet as a PDF on A4 paper: a row per word with its\n"
    "letters shuffled and as many empty cells for the answer, then the same\n"
    "rows with the answers filled in. The rows spread over the page; they go on\n"
    "to further pages when they do not fit on one, and the answers take as many\n"
    "pages again.\n"
    "\n"
    "sheet: writes OUT.pdf, or OUT.html with --web (an existing file is replaced,\n"
    "  and named on standard error); a folder or a device is refused.\n"
    "  --words FILE   the author's own list: the title on the first line, then\n"
    "                 the words (2..20 Russian letters, one a line or separated\n"
    "                 by commas; lower case and Ё are fine), in UTF-8, UTF-16,\n"
    "                 Windows-1251 or KOI8-R; - reads standard input. One row\n"
    "                 per word, in the list's order, at most 30; the title tops\n"
    "                 the pages. A word that cannot be used is named and nothing\n"
    "                 is written.\n"
    "  --length N     the game's words of N letters, 3..19 (default: a random\n"
    "                 length 5..19 for each row)\n"
    "  --theme NAME   the words of a theme (bukvoklad-cli themes lists them)\n"
    "  --count N      rows: 10..30 of the game's words (default 20), 1..30 of a\n"
    "                 list (default all)\n"
    "  --seed N       the same words and letters for the same N every time\n"
    "                 (0..2^64-1; default: the clock)\n"
    "  --web          one page to play in a browser instead of the PDF: the rows\n"
    "                 with an answer box each, checked as the player types; the\n"
    "                 words are kept in it only as hashes\n"
    "\n"
    "themes: the themes of the game's data, one a line.\n"
    "\n"
    "Exit status: 0 done; 1 a file problem (a list that cannot be read or holds\n"
    "a word that cannot be used, word files that cannot be read, a PDF that\n"
    "cannot be written); 2 wrong usage.\n";

int usage(const std::string& why = {}) { return smek::usageError("bukvoklad-cli", kUsage, why); }

struct Options {
    std::string command;
    std::optional<std::string> words;
    int length = 0;
    std::string theme;
    std::optional<int> count;
    std::optional<std::uint64_t> seed;
    bool web = false; // a page to play in a browser instead of the PDF
    std::string out;
};

template <typename Number>
bool number(const std::string& text, Number& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

std::optional<Options> parse(int argc, char** argv, std::string& why) {
    Options o;
    if (argc < 2) return std::nullopt;
    o.command = argv[1];
    if (o.command == "themes") {
        if (argc == 2) return o;
        why = "themes takes no arguments";
        return std::nullopt;
    }
    if (o.command != "sheet") {
        why = "unknown command " + o.command;
        return std::nullopt;
    }
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        if (optionsEnded || a.empty() || a[0] != '-' || a == "-") {
            files.push_back(a);
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
            continue;
        }
        if (a == "--web") {
            o.web = true;
            continue;
        }
        if (a != "--words" && a != "--length" && a != "--theme" && a != "--count" && a != "--seed") {
            why = "unknown option " + a;
            return std::nullopt;
        }
        if (i + 1 >= argc) {
            why = a + (a == "--words" ? " needs a file" : a == "--theme" ? " needs a theme" : " needs a number");
            return std::nullopt;
        }
        const std::string value = argv[++i];
        if (a == "--words") {
            o.words = value;
        } else if (a == "--theme") {
            o.theme = value;
        } else if (a == "--length") {
            if (!number(value, o.length) || o.length < 3 || o.length > kMaxLetters) {
                why = "--length takes a number from 3 to " + std::to_string(kMaxLetters);
                return std::nullopt;
            }
        } else if (a == "--count") {
            int n = 0;
            if (!number(value, n) || n < 1 || n > kWorksheetMaxWords) {
                why = "--count takes a number from 1 to " + std::to_string(kWorksheetMaxWords);
                return std::nullopt;
            }
            o.count = n;
        } else {
            std::uint64_t n = 0;
            if (!number(value, n)) {
                why = "--seed takes a whole number from 0 to 18446744073709551615";
                return std::nullopt;
            }
            o.seed = n;
        }
    }
    if (o.words && (o.length != 0 || !o.theme.empty())) {
        why = "--words makes a sheet of the list alone, without --length or --theme";
        return std::nullopt;
    }
    if (!o.words && o.count && *o.count < kWorksheetMinWords) {
        why = "--count of the game's words takes a number from " + std::to_string(kWorksheetMinWords) + " to " +
              std::to_string(kWorksheetMaxWords);
        return std::nullopt;
    }
    if (files.size() != 1) {
        why = "one output file expected";
        return std::nullopt;
    }
    o.out = files[0];
    return o;
}

// The author's list, or nullopt after saying why it cannot be used.
std::optional<smek::OwnList> readList(const std::string& name) {
    std::optional<smek::OwnList> list = smek::readOwnListInput("bukvoklad-cli", name);
    if (list && list->words.size() > static_cast<size_t>(kWorksheetMaxWords))
        std::cerr << "bukvoklad-cli: " << name << ": the list has " << list->words.size()
                  << " words; a sheet takes the first " << kWorksheetMaxWords << "\n";
    return list;
}

int runSheet(const Options& o, const std::string& pathData) {
    namespace fs = std::filesystem;
    smek::Random random = o.seed ? smek::Random(*o.seed) : smek::Random::fromClock();
    Worksheet sheet;
    if (o.words) {
        const std::optional<smek::OwnList> list = readList(*o.words);
        if (!list) return 1;
        sheet = worksheetFromList(*list, o.count.value_or(0), random);
    } else {
        const fs::path folder = o.theme.empty() ? fs::path(pathData) : fs::path(pathData) / smek::kThemesFolder / o.theme;
        const int count = o.count.value_or(20);
        sheet = makeWorksheet(folder, count, o.length, random);
        if (sheet.status != NewGameResult::Status::Ok) {
            std::cerr << "bukvoklad-cli: " << worksheetMessage(sheet) << "\n";
            return 1;
        }
        if (static_cast<int>(sheet.items.size()) < count)
            std::cerr << "bukvoklad-cli: the words give only " << sheet.items.size() << " different rows\n";
        if (!o.theme.empty()) sheet.title = o.theme + ": составьте из букв слова";
    }
    if (o.web) return smek::writeOutput("bukvoklad-cli", o.out, webPage(sheet));
    const QByteArray pdf = worksheetPdf(sheet);
    if (pdf.isEmpty()) {
        std::cerr << "bukvoklad-cli: the PDF could not be made\n";
        return 1;
    }
    return smek::writeOutput("bukvoklad-cli", o.out, std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())));
}

int runThemes(const std::string& pathData) {
    for (const std::string& theme : smek::listThemes(pathData)) std::cout << theme << "\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> done = smek::helpOrVersion(argc, argv, "bukvoklad-cli", smek::kVersion, kUsage, kHelp)) return *done;
    std::string why;
    const std::optional<Options> o = parse(argc, argv, why);
    if (!o) return usage(why);
    const std::string pathData = smek::PathData(smek::programFolder(argv[0]));
    if (o->command == "themes") return runThemes(pathData);
    if (!o->theme.empty() && !std::filesystem::is_directory(std::filesystem::path(pathData) / smek::kThemesFolder / o->theme))
        return usage("no theme " + o->theme + " (bukvoklad-cli themes lists them)");
    smek::drawWithoutDisplay("bukvoklad-cli");
    QGuiApplication app(argc, argv);
    return runSheet(*o, pathData);
}
