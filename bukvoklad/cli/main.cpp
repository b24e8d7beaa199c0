// bukvoklad-cli: anagram worksheets without a window, for teachers who make
// many of them, from the game's words, a theme or their own list.
#include "bukvoklad/core/WebPage.h"
#include "bukvoklad/core/Worksheet.h"
#include "bukvoklad/print/WorksheetPages.h"

#include "common/core/CommandLine.h"
#include "common/core/OwnList.h"
#include "common/core/Paths.h"
#include "common/core/Themes.h"
#include "common/core/Version.h"
#include "common/core/WordFiles.h"

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

int usage(const std::string& why = {}) {
    if (!why.empty()) std::cerr << "bukvoklad-cli: " << why << "\n";
    std::cerr << kUsage;
    return 2;
}

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

// The author's list; empty optional after reporting why it cannot be used.
std::optional<smek::OwnList> readList(const std::string& name) {
    const smek::ReadResult file = smek::readInput(name);
    if (file.error) {
        std::cerr << "bukvoklad-cli: " << name << ": " << smek::readFailure(file) << "\n";
        return std::nullopt;
    }
    const smek::OwnListParse parsed = smek::parseOwnListFile(file.content);
    if (parsed.notText) {
        std::cerr << "bukvoklad-cli: " << name << ": не похож на список слов (no text)\n";
        return std::nullopt;
    }
    if (!parsed.ok()) {
        std::cerr << "bukvoklad-cli: " << name << ":\n" << smek::ownListRefusal(parsed, 50) << "\n";
        return std::nullopt;
    }
    if (parsed.list.words.size() > static_cast<size_t>(kWorksheetMaxWords))
        std::cerr << "bukvoklad-cli: " << name << ": the list has " << parsed.list.words.size()
                  << " words; a sheet takes the first " << kWorksheetMaxWords << "\n";
    return parsed.list;
}

int runSheet(const Options& o, const std::string& pathData) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status given = fs::status(o.out, ec);
    if (fs::exists(given) && !fs::is_regular_file(given)) {
        std::cerr << "bukvoklad-cli: " << o.out << ": a folder or a device, not a " << (o.web ? "page" : "PDF")
                  << " to write\n";
        return 1;
    }
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
    const QByteArray pdf = o.web ? QByteArray() : worksheetPdf(sheet);
    if (!o.web && pdf.isEmpty()) {
        std::cerr << "bukvoklad-cli: the PDF could not be made\n";
        return 1;
    }
    const std::string page = o.web ? webPage(sheet) : std::string();
    const std::string_view content = o.web ? std::string_view(page) : std::string_view(pdf.constData(), pdf.size());
    const bool existed = fs::exists(given);
    if (const std::error_code written = smek::writeTextFileAtomic(o.out, content)) {
        std::cerr << "bukvoklad-cli: " << o.out << ": " << written.message() << "\n";
        return 1;
    }
    if (existed) std::cerr << "bukvoklad-cli: replaced " << o.out << "\n";
    return 0;
}

int runThemes(const std::string& pathData) {
    for (const std::string& theme : smek::listThemes(pathData)) std::cout << theme << "\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        std::cout << kUsage << "\n" << kHelp;
        return 0;
    }
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::cout << "bukvoklad-cli " << smek::kVersion << "\n";
        return 0;
    }
    std::string why;
    const std::optional<Options> o = parse(argc, argv, why);
    if (!o) return usage(why);
    const std::string pathData = smek::PathData(smek::programFolder(argv[0]));
    if (o->command == "themes") return runThemes(pathData);
    if (!o->theme.empty() && !std::filesystem::is_directory(std::filesystem::path(pathData) / smek::kThemesFolder / o->theme))
        return usage("no theme " + o->theme + " (bukvoklad-cli themes lists them)");
    // The PDF needs fonts, not a screen: no display is asked for, whatever
    // the session has.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own notes (a session without a runtime folder) are no business of
    // the teacher's; the tool reports its failures itself.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << "\n";
    });
    QGuiApplication app(argc, argv);
    return runSheet(*o, pathData);
}
