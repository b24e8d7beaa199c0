// SPDX-License-Identifier: GPL-3.0-or-later
// slovolov-cli: word-search puzzles as PDF without a window, from an author's
// word list or dealt from the game's own words, for making many at once.
#include "common/core/Cp1251.h"
#include "common/core/CommandLine.h"
#include "common/core/Version.h"
#include "common/core/FileMessages.h"
#include "common/core/OwnList.h"
#include "common/core/Paths.h"
#include "common/core/Themes.h"
#include "common/core/WordFiles.h"
#include "common/ui/NoDisplay.h"
#include "common/ui/PrintOut.h"
#include "slovolov/core/OwnPuzzle.h"
#include "slovolov/core/PrintSheet.h"
#include "slovolov/core/WebPage.h"
#include "slovolov/ui/PrintBoard.h"

#include <QGuiApplication>
#include <algorithm>
#include <charconv>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

namespace {

using namespace smek::slovolov;

constexpr const char* kUsage =
    "usage: slovolov-cli make --words FILE [--size 10|15|20] [--all-directions] [--title T]\n"
    "                         [--seed N] [--answers | --web [--clock SECONDS]] OUT\n"
    "       slovolov-cli make [--level 1|2|3] [--theme NAME] [--title T] [--seed N]\n"
    "                         [--answers | --web [--clock SECONDS]] OUT\n"
    "       slovolov-cli --help | --version\n";

constexpr const char* kHelp =
    "Makes a word-search puzzle as an A4 PDF: the title, the rule, the board and\n"
    "the word list; with --answers a second page marks every word.\n"
    "\n"
    "make --words FILE: a puzzle of the author's words. FILE is a text (UTF-8,\n"
    "  with or without its mark; Windows-1251, KOI8-R and UTF-16 are read too):\n"
    "  the title on the first line, then the words, one a line or separated by\n"
    "  commas; blank lines are skipped, lower case is fine, Ё is kept. Every word\n"
    "  has 2..20 Russian letters, at most 20 words; - reads standard input.\n"
    "  The words are placed longest first, as the game places them.\n"
    "  --size N          cells a side: 10 (default), 15 or 20; a word has at most\n"
    "                    N - 1 letters\n"
    "  --all-directions  words also lie on the up-right diagonal, both ways\n"
    "\n"
    "make --level L: a puzzle dealt from the game's own word lists, as the\n"
    "  game deals level L (1: 10x10, 6 words; 2: 15x15, 12; 3: 20x20, 20).\n"
    "  --theme NAME      the words of a theme (a folder under the data folder's\n"
    "                    Темы); level 1 unless --level is given\n"
    "\n"
    "  --title T         the title above the board (default: the list's first\n"
    "                    line, or Словолов)\n"
    "  --seed N          the same puzzle for the same N and words, every time\n"
    "                    (N: 0..18446744073709551615); without it every run differs\n"
    "  --answers         add the answers page\n"
    "  --web             one page to play in a browser instead of the PDF: tap or\n"
    "                    click a word's first and last letter, drag across it, or\n"
    "                    play by keys; \"Показать ответы\" shows the words\n"
    "  --clock SECONDS   the page counts down from this many seconds (1..5999)\n"
    "\n"
    "OUT gets .pdf (.html with --web) when it has no extension; an existing file\n"
    "is replaced (and named on standard error). No display is needed.\n"
    "\n"
    "Exit status: 0 done; 1 a list or file problem (a list that cannot be read,\n"
    "a word refused, words that do not fit the board, no word files, a PDF that\n"
    "cannot be written); 2 wrong usage.\n";

int usage(const std::string& why = {}) { return smek::usageError("slovolov-cli", kUsage, why); }

struct Options {
    std::optional<std::string> words; // the list file, "-" for standard input
    std::optional<int> side;
    bool allDirections = false;
    std::optional<int> level; // 0..2
    std::optional<std::string> theme;
    std::optional<std::string> title;
    std::optional<std::uint64_t> seed;
    bool answers = false;
    bool web = false; // a page to play in a browser instead of the PDF
    int clock = 0;    // the page's countdown in seconds, 0 for none
    std::string out;
};

template <typename Number>
std::optional<Number> number(const std::string& text) {
    Number v{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
}

std::optional<Options> parse(int argc, char** argv, std::string& why) {
    Options o;
    if (argc < 2) return std::nullopt;
    if (std::string(argv[1]) != "make") {
        why = "unknown command " + std::string(argv[1]);
        return std::nullopt;
    }
    std::vector<std::string> outs;
    bool optionsEnded = false;
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        if (optionsEnded || a.empty() || a[0] != '-' || a == "-") {
            outs.push_back(a);
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
            continue;
        }
        if (a == "--all-directions") {
            o.allDirections = true;
            continue;
        }
        if (a == "--answers") {
            o.answers = true;
            continue;
        }
        if (a == "--web") {
            o.web = true;
            continue;
        }
        const bool takesValue = a == "--words" || a == "--size" || a == "--level" || a == "--theme" ||
                                a == "--title" || a == "--seed" || a == "--clock";
        if (!takesValue) {
            why = "unknown option " + a;
            return std::nullopt;
        }
        if (i + 1 >= argc) {
            why = a + " needs a value";
            return std::nullopt;
        }
        const std::string v = argv[++i];
        if (a == "--words") {
            o.words = v;
        } else if (a == "--size") {
            const std::optional<int> side = number<int>(v);
            if (!side || levelOfSide(*side) < 0) {
                why = "--size takes 10, 15 or 20";
                return std::nullopt;
            }
            o.side = side;
        } else if (a == "--level") {
            const std::optional<int> level = number<int>(v);
            if (!level || !validLevel(*level - 1)) {
                why = "--level takes 1, 2 or 3";
                return std::nullopt;
            }
            o.level = *level - 1;
        } else if (a == "--theme") {
            o.theme = v;
        } else if (a == "--title") {
            o.title = v;
        } else if (a == "--clock") {
            const std::optional<int> seconds = number<int>(v);
            if (!seconds || *seconds < 1 || *seconds > 5999) {
                why = "--clock takes a number of seconds from 1 to 5999";
                return std::nullopt;
            }
            o.clock = *seconds;
        } else {
            o.seed = number<std::uint64_t>(v);
            if (!o.seed) {
                why = "--seed takes a whole number from 0 to 18446744073709551615";
                return std::nullopt;
            }
        }
    }
    if (outs.size() != 1) {
        why = outs.empty() ? "an output file expected" : "one output file expected, not " + std::to_string(outs.size());
        return std::nullopt;
    }
    o.out = outs[0];
    if (o.words && (o.level || o.theme)) {
        why = "--words makes a puzzle of its own words: no --level or --theme with it";
        return std::nullopt;
    }
    if (o.web && o.answers) {
        why = "--answers goes with the PDF; the page shows the answers on request";
        return std::nullopt;
    }
    if (o.clock && !o.web) {
        why = "--clock goes with --web";
        return std::nullopt;
    }
    if (!o.words && (o.side || o.allDirections)) {
        why = "--size and --all-directions go with --words; a level has its own grid";
        return std::nullopt;
    }
    return o;
}

std::string buildFailure(const BuildResult& result) {
    switch (result.status) {
    case BuildResult::Status::Ok: return {};
    case BuildResult::Status::NoDatabase: return smek::noWordDatabaseMessage(result.length);
    case BuildResult::Status::NoRoom: return smek::kNoWordDatabase;
    case BuildResult::Status::NotSuitable:
        return smek::fileMessage(result.file.string(), smek::FileTail::NotSuitable);
    case BuildResult::Status::CannotOpen:
        return smek::fileMessage(result.file.string(), smek::FileTail::CannotOpen);
    }
    return {};
}

// The game to print, or nullopt after saying why there is none.
std::optional<GameState> makeGame(const Options& o, const std::string& pathData, smek::Random& random) {
    if (o.words) {
        std::optional<smek::OwnList> list = smek::readOwnListInput("slovolov-cli", *o.words);
        if (!list) return std::nullopt;
        const OwnPuzzle puzzle{o.title.value_or(list->title), std::move(list->words), o.side.value_or(10),
                               o.allDirections};
        OwnBuild built = buildOwnBoard(puzzle, Settings{}, random);
        if (!built.ok) {
            std::cerr << "slovolov-cli: " << *o.words << ": " << built.refusal << "\n";
            return std::nullopt;
        }
        return std::move(built.game);
    }
    GameState g;
    g.settings.Level = o.level.value_or(0);
    resetForNewGame(g);
    if (o.theme) {
        const std::vector<std::string> themes = smek::listThemes(pathData);
        if (std::find(themes.begin(), themes.end(), *o.theme) == themes.end()) {
            std::string names;
            for (const std::string& t : themes) names += (names.empty() ? "" : ", ") + t;
            std::cerr << "slovolov-cli: no theme " << *o.theme << " (themes: " << (names.empty() ? "none" : names)
                      << ")\n";
            return std::nullopt;
        }
        g.theme = *o.theme;
    }
    const BuildResult result = buildBoard(g, pathData, random);
    if (result.status != BuildResult::Status::Ok) {
        std::cerr << "slovolov-cli: " << buildFailure(result) << "\n";
        return std::nullopt;
    }
    if (!result.themeFellBack.empty())
        std::cerr << "slovolov-cli: " << smek::themeNote(g.theme, result.themeFellBack) << "\n";
    g.title = o.title.value_or(std::string());
    return g;
}

int writePage(const Options& o, const GameState& g) {
    const std::string out = std::filesystem::path(o.out).extension().empty() ? o.out + ".html" : o.out;
    return smek::writeOutput("slovolov-cli", out, webPage(g, o.clock));
}

int writePdf(const Options& o, const GameState& g) {
    // The name's own extension, however short the name (the games' rule looks
    // for one only past a drive's three characters).
    const std::string out = std::filesystem::path(o.out).extension().empty() ? o.out + ".pdf" : o.out;
    const PrintSheet sheet = printSheet(g);
    const QString name = sheet.title.empty() ? QStringLiteral("Словолов") : QString::fromStdString(sheet.title);
    const QByteArray bytes = smek::pdfBytes(name, [&](QPainter& painter, QPagedPaintDevice& device) {
        drawPuzzlePages(painter, device, sheet, o.answers);
    });
    if (bytes.isEmpty()) {
        std::cerr << "slovolov-cli: the PDF could not be made\n";
        return 1;
    }
    return smek::writeOutput("slovolov-cli", out, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

} // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> done = smek::helpOrVersion(argc, argv, "slovolov-cli", smek::kVersion, kUsage, kHelp)) return *done;
    std::string why;
    const std::optional<Options> o = parse(argc, argv, why);
    if (!o) return usage(why);

    smek::drawWithoutDisplay("slovolov-cli");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    const std::string pathData = smek::PathData(smek::programFolder(argv[0]));
    smek::Random random = o->seed ? smek::Random(*o->seed) : smek::Random::fromClock();
    const std::optional<GameState> game = makeGame(*o, pathData, random);
    if (!game) return 1;
    return o->web ? writePage(*o, *game) : writePdf(*o, *game);
}
