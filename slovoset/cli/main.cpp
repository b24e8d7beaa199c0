// SPDX-License-Identifier: GPL-3.0-or-later
// slovoset-cli: the analysis and the export of the hidden-word program
// without a window, for authors who prepare many puzzles.
#include "slovoset/core/AnalizTexta.h"
#include "slovoset/core/Batch.h"
#include "slovoset/core/Isklyucheniya.h"
#include "slovoset/core/PrintPages.h"
#include "slovoset/core/SaveHtml.h"
#include "slovoset/core/ShowHtml.h"
#include "slovoset/core/StartGame.h"
#include "slovoset/core/TekstKakNapisan.h"
#include "slovoset/core/WebPage.h"

#include "common/core/CommandLine.h"
#include "common/core/Version.h"
#include "common/core/Cp1251.h"
#include "common/core/Paths.h"
#include "common/core/SaveOpen.h"
#include "common/core/TextDetect.h"
#include "common/core/TextFile.h"

#include <cctype>
#include <charconv>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <system_error>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace smek::slovoset;

constexpr const char* kUsage =
    "usage: slovoset-cli list [--play] [--min-length N] [EXCLUDE] [--] FILE\n"
    "       slovoset-cli export --title T [--print | --web] [--min-length N] [EXCLUDE] [--] FILE OUT\n"
    "       slovoset-cli export --out-dir DIR [--title T] [--print | --web] [--min-length N] [EXCLUDE] [--] FILE...\n"
    "       slovoset-cli stats [--min-length N] [EXCLUDE] [--] FILE...\n"
    "       slovoset-cli --help | --version\n";

constexpr const char* kHelp =
    "Finds the hidden words of a Russian text (words that run across the\n"
    "boundary of two or three neighbouring words) and exports the puzzle.\n"
    "\n"
    "FILE is a text in UTF-8, UTF-16 (with its byte-order mark), Windows-1251 or\n"
    "KOI8-R; - reads standard input. A file that is none of these is refused.\n"
    "N is the shortest word length, 3..24 (default 3). -- ends the options, so a\n"
    "file name may begin with a hyphen.\n"
    "\n"
    "list: one line per hidden word, in the order found, tab-separated:\n"
    "  1 word         the hidden word (UTF-8, capitals; Ё where the text has it)\n"
    "  2 start        its 1-based position in the text (as the program holds\n"
    "                 it: line breaks as <br>, Ё as Е)\n"
    "  3 span         its length in the text, spaces and punctuation included\n"
    "  4 chosen       1 when the puzzle keeps it (shown opened with --play),\n"
    "                 else 0\n"
    "  5 listed       1 when it is long enough for the word list, else 0\n"
    "  6 fragment     the stretch of text it runs across, as written (tabs and\n"
    "                 line breaks shown as blanks)\n"
    "  --play         the choice the game makes when it hides the words\n"
    "                 itself (default: the author's choice in create mode)\n"
    "\n"
    "export: writes the puzzle with hints to OUT when it ends in .html or .htm,\n"
    "  else to OUT.html, and the answers beside it (NAME_ответы.html), as the\n"
    "  program's export does; existing files are replaced without a question,\n"
    "  and each replaced file is named on standard error. An OUT that is a\n"
    "  folder or a device is refused.\n"
    "  --print        pages made for printing (A4 margins, an instruction line,\n"
    "                 numbered answer lines) instead of the program's pages\n"
    "  --plain        the program's pages (the default)\n"
    "  --web          one page to play in a browser instead (OUT.html, or\n"
    "                 DIR/NAME.html): the text, the hints and an answer box;\n"
    "                 the words are kept only as hashes, and no answers page\n"
    "                 is written\n"
    "  --out-dir DIR  each FILE gives DIR/NAME.html and DIR/NAME_ответы.html\n"
    "                 (NAME: the file's name without its extension); the title\n"
    "                 is --title T when given, else the text's first line when\n"
    "                 that is short and ends no sentence (it then leaves the\n"
    "                 text), else NAME\n"
    "\n"
    "stats: per FILE the name, the words a created puzzle keeps, the words a\n"
    "  played one hides, and the kept words by length (LENGTH:COUNT).\n"
    "\n"
    "EXCLUDE: --exclude WORD,... and/or --exclude-file FILE (words separated by\n"
    "  line breaks, commas or blanks): words a created puzzle leaves out.\n"
    "\n"
    "Exit status: 0 done; 1 a file problem (a text that cannot be read, is no\n"
    "text or holds no hidden words, a page that cannot be written); 2 wrong\n"
    "usage.\n";

int usage(const std::string& why = {}) { return smek::usageError("slovoset-cli", kUsage, why); }

struct Options {
    std::string command;
    bool play = false;
    bool print = false; // export: pages made for printing instead of the program's own
    bool web = false;   // export: one page to play in a browser
    int minLength = 3;
    std::optional<std::string> title;
    std::vector<std::string> files;
    std::set<std::string> exclude; // CP1251 capitals, Е for Ё
    std::vector<std::string> excludeFiles; // read once the command line is known good
    std::optional<std::string> outDir; // export: one page pair per text file
};

// What each option that takes a value calls its value, for the message
// when the value is missing.
const char* valueOf(const std::string& option) {
    if (option == "--min-length") return "a number";
    if (option == "--title") return "a title";
    if (option == "--out-dir") return "a folder";
    if (option == "--exclude") return "words";
    if (option == "--exclude-file") return "a file";
    return nullptr;
}

std::optional<Options> parse(int argc, char** argv, std::string& why) {
    Options o;
    if (argc < 2) return std::nullopt;
    o.command = argv[1];
    if (o.command != "list" && o.command != "export" && o.command != "stats") {
        why = "unknown command " + o.command;
        return std::nullopt;
    }
    bool optionsEnded = false;
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        if (optionsEnded || a == "-" || a.empty() || a[0] != '-') {
            o.files.push_back(a);
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
            continue;
        }
        const bool here = a == "--min-length" || a == "--exclude" || a == "--exclude-file" ||
                          (o.command == "export" && (a == "--title" || a == "--out-dir"));
        if (here && i + 1 >= argc) {
            why = a + " needs " + valueOf(a);
            return std::nullopt;
        }
        if (a == "--exclude") {
            o.exclude.merge(parseIsklyucheniya(smek::utf8ToCp1251(argv[++i])));
        } else if (a == "--exclude-file") {
            o.excludeFiles.push_back(argv[++i]);
        } else if (a == "--play" && o.command == "list") {
            o.play = true;
        } else if (a == "--min-length") {
            const std::string n = argv[++i];
            int v = 0;
            const auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), v);
            if (ec != std::errc() || end != n.data() + n.size() || v < 3 || v > 24) {
                why = "--min-length takes a number from 3 to 24";
                return std::nullopt;
            }
            o.minLength = v;
        } else if (a == "--out-dir") {
            o.outDir = argv[++i];
        } else if (a == "--plain" && o.command == "export") {
            o.print = false;
            o.web = false;
        } else if (a == "--print" && o.command == "export") {
            o.print = true;
            o.web = false;
        } else if (a == "--web" && o.command == "export") {
            o.web = true;
            o.print = false;
        } else if (a == "--title") {
            o.title = argv[++i];
        } else {
            why = "unknown option " + a;
            return std::nullopt;
        }
    }
    if (o.command == "stats" || o.outDir) {
        if (o.files.empty()) {
            why = "at least one text file expected";
            return std::nullopt;
        }
        return o;
    }
    const size_t wanted = o.command == "list" ? 1 : 2;
    if (o.files.size() != wanted) {
        why = o.command == "list" ? "one text file expected" : "a text file and an output page expected";
        return std::nullopt;
    }
    if (o.play && (!o.exclude.empty() || !o.excludeFiles.empty())) {
        why = "excluded words apply to created puzzles, not to --play";
        return std::nullopt;
    }
    if (o.command == "export" && (!o.title || o.title->empty())) {
        why = "export needs a title that is not empty";
        return std::nullopt;
    }
    return o;
}

bool inList(const Puzzle& p, int index) {
    for (int line = 0; line <= p.MaxSpisok; ++line)
        if (p.Spisok[static_cast<size_t>(line)] == index) return true;
    return false;
}

// A file in any encoding a text comes in, as UTF-8; empty optional after
// reporting one that cannot be read or is no text.
std::optional<std::string> decodedFile(const std::string& path) {
    const smek::ReadResult file = smek::readInput(path);
    if (file.error) {
        std::cerr << "slovoset-cli: " << path << ": " << smek::readFailure(file) << "\n";
        return std::nullopt;
    }
    std::optional<smek::DecodedText> text = smek::decodeText(file.content);
    if (!text) {
        std::cerr << "slovoset-cli: " << path
                  << ": не похож на текст (no text in UTF-8, UTF-16, Windows-1251 or KOI8-R)\n";
        return std::nullopt;
    }
    return std::move(text->utf8);
}

// An author's text; also refused when empty.
std::optional<std::string> readText(const std::string& path) {
    std::optional<std::string> text = decodedFile(path);
    if (text && text->empty()) {
        std::cerr << "slovoset-cli: " << path << ": empty text\n";
        return std::nullopt;
    }
    return text;
}

// The words of the --exclude-file files (an empty one holds none); false
// after reporting one that cannot be read.
bool readExcludeFiles(Options& o) {
    for (const std::string& name : o.excludeFiles) {
        const std::optional<std::string> words = decodedFile(name);
        if (!words) return false;
        o.exclude.merge(parseIsklyucheniya(smek::utf8ToCp1251(*words)));
    }
    return true;
}

// The page an export writes: OUT as given when it ends in .html or .htm,
// else OUT.html; empty after reporting an OUT that is a folder or a device.
std::string pageName(const std::string& out) {
    namespace fs = std::filesystem;
    const auto endsWith = [&](std::string_view tail) {
        if (out.size() < tail.size()) return false;
        for (size_t i = 0; i < tail.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(out[out.size() - tail.size() + i])) != tail[i]) return false;
        return true;
    };
    std::error_code ec;
    const fs::file_status given = fs::status(out, ec);
    const std::string name = fs::path(out).filename().string();
    if (name.empty() || name == "." || name == ".." || (fs::exists(given) && !fs::is_regular_file(given))) {
        std::cerr << "slovoset-cli: " << out << ": a folder or a device, not a page to write\n";
        return {};
    }
    return endsWith(".html") || endsWith(".htm") ? out : out + ".html";
}

// The puzzle of a text in mode typ (0 play, 1 create) with the options'
// length and excluded words; empty optional after reporting the analysis's
// message (for `name`, when given).
std::optional<Puzzle> analysed(const std::string& text, int typ, const Options& o, const std::string& pathData,
                               const std::string& name) {
    Puzzle p;
    p.PathData = pathData;
    p.LenSlov = o.minLength - 3;
    p.Isklyucheniya = o.exclude;
    StartGame(p, typ, text);
    const AnalizOutcome outcome = AnalizTexta(p, 0);
    const std::string prefix = name.empty() ? "" : name + ": ";
    if (outcome.message != AnalizMessage::None) {
        std::cerr << prefix << analizMessageText(outcome.message) << "\n";
        return std::nullopt;
    }
    if (const std::string note = withoutStandInNote(p); !note.empty() && (typ == 1 || o.play)) // once a text
        std::cerr << "slovoset-cli: " << prefix << note << "\n";
    return p;
}

// Writes the page to play in a browser, naming it on standard error when it
// replaced one: 0, or 1 after reporting a failure.
int exportWebPage(const Puzzle& p, const std::string& out) {
    const std::string page = pageName(out);
    if (page.empty()) return 1;
    std::error_code ec;
    const bool existed = std::filesystem::exists(page, ec);
    const SaveOutcome saved = smek::saveFile(page, webPage(p, p.Nazvanie), false, {});
    if (saved.kind == SaveOutcome::Kind::Failed) {
        std::cerr << saved.message << "\n";
        return 1;
    }
    if (existed) std::cerr << "slovoset-cli: replaced " << page << "\n";
    return 0;
}

// Writes the two pages of a created puzzle, naming on standard error each
// page it replaced: 0, or 1 after reporting a failure.
int exportPages(Puzzle& p, const std::string& titleUtf8, std::string page, const Options& o) {
    p.Nazvanie = smek::utf8ToCp1251(titleUtf8);
    if (o.web) return exportWebPage(p, page);
    const bool print = o.print;
    // The view last showed the puzzle display; the program's answers page repeats it.
    const std::string text2 = htmlViewBody(ShowSlovo(p).html);
    page = pageName(page);
    if (page.empty()) return 1;
    // The export adds ".html" when it sees no extension, and it looks for
    // one only past a path's first three characters (a drive): "b.html"
    // would become "b.html.html".
    const std::string given = page;
    if (smek::PoiskTochki(page) == 0) page = "./" + page;
    const std::string pages[] = {page, answersPath(page)};
    bool existed[2];
    for (int i = 0; i < 2; ++i) {
        std::error_code ec;
        existed[i] = std::filesystem::exists(pages[i], ec);
    }
    const auto replace = [](const std::string&) { return true; };
    int status = 0;
    int i = 0;
    for (const SaveOutcome& saved : print ? SaveHtml(p, page, printPages(p, p.Nazvanie), replace)
                                          : SaveHtml(p, page, text2, replace)) {
        if (saved.kind == SaveOutcome::Kind::Failed) {
            std::cerr << saved.message << "\n";
            status = 1;
        } else if (saved.kind == SaveOutcome::Kind::Saved && i < 2 && existed[i]) {
            std::cerr << "slovoset-cli: replaced " << (i == 0 ? given : pages[i]) << "\n";
        }
        ++i;
    }
    return status;
}

// A word's stretch of text as written, on one line of its column: tabs and
// line breaks as blanks.
std::string fragmentColumn(const Puzzle& p, const SkrytoeSlovo& w) {
    std::string text = writtenText(p.Tekst, p.Napisano, w.Nachalo, w.Nachalo + w.DlinaVTexte - 1);
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 4, "<br>") == 0) {
            out += ' ';
            i += 3;
        } else {
            const char c = text[i];
            out += c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' ? ' ' : c;
        }
    }
    return out;
}

int runList(const Options& o, const std::string& pathData) {
    const std::optional<std::string> text = readText(o.files[0]);
    if (!text) return 1;
    const std::optional<Puzzle> p = analysed(*text, o.play ? 0 : 1, o, pathData, {});
    if (!p) return 1;
    for (int i = 0; i <= p->MaxSlova; ++i) {
        const SkrytoeSlovo& w = p->Slova[static_cast<size_t>(i)];
        std::cout << smek::cp1251ToUtf8(slovoKakNapisano(*p, w)) << '\t' << w.Nachalo << '\t' << w.DlinaVTexte
                  << '\t' << w.Vybrano << '\t' << (inList(*p, i) ? 1 : 0) << '\t' << fragmentColumn(*p, w) << '\n';
    }
    return 0;
}

int runExport(const Options& o, const std::string& pathData) {
    const std::optional<std::string> text = readText(o.files[0]);
    if (!text) return 1;
    std::optional<Puzzle> p = analysed(*text, 1, o, pathData, {});
    if (!p) return 1;
    return exportPages(*p, *o.title, o.files[1], o);
}

// One page pair per text file in the output folder; a file that fails is
// reported and the others are still written.
int runBatchExport(const Options& o, const std::string& pathData) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(*o.outDir, ec);
    if (ec) {
        std::cerr << "slovoset-cli: " << *o.outDir << ": " << ec.message() << "\n";
        return 1;
    }
    int status = 0;
    std::set<std::string> names;
    for (const std::string& file : o.files) {
        const std::string name = fs::path(file).stem().string();
        // Two texts of one name (from two folders) would share one page pair.
        if (!names.insert(name).second) {
            std::cerr << "slovoset-cli: " << file << ": a text named " << name << " came earlier; skipped\n";
            status = 1;
            continue;
        }
        const std::optional<std::string> text = readText(file);
        if (!text) {
            status = 1;
            continue;
        }
        const bool ownTitle = !o.title || o.title->empty();
        const TitledText titled = ownTitle ? titleOfText(*text, name) : TitledText{*o.title, *text};
        std::optional<Puzzle> p = analysed(titled.text, 1, o, pathData, file);
        if (!p || exportPages(*p, titled.title, (fs::path(*o.outDir) / (name + ".html")).string(), o) != 0)
            status = 1;
    }
    return status;
}

// One line per text: name, words kept when created, words hidden in play,
// the kept words by length. A title line is no part of the puzzle, as in a
// batch export.
int runStats(const Options& o, const std::string& pathData) {
    int status = 0;
    for (const std::string& file : o.files) {
        std::optional<std::string> text = readText(file);
        if (text) text = titleOfText(*text, {}).text;
        const std::optional<Puzzle> created = text ? analysed(*text, 1, o, pathData, file) : std::nullopt;
        if (!created) {
            status = 1;
            continue;
        }
        Options playOptions = o;
        playOptions.exclude.clear(); // play mode never applies them
        const std::optional<Puzzle> played = analysed(*text, 0, playOptions, pathData, file);
        int kept = 0;
        std::string lengths;
        for (const auto& [length, count] : wordsByLength(*created)) {
            kept += count;
            lengths += (lengths.empty() ? "" : " ") + std::to_string(length) + ":" + std::to_string(count);
        }
        std::cout << file << '\t' << kept << '\t' << (played ? played->MaxSpisok + 1 : 0) << '\t' << lengths << '\n';
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> done = smek::helpOrVersion(argc, argv, "slovoset-cli", smek::kVersion, kUsage, kHelp)) return *done;
    std::string why;
    std::optional<Options> o = parse(argc, argv, why);
    if (!o) return usage(why);
    if (!readExcludeFiles(*o)) return 1;
    const std::string pathData = smek::PathData(smek::programFolder(argv[0]));
    if (o->command == "list") return runList(*o, pathData);
    if (o->command == "stats") return runStats(*o, pathData);
    return o->outDir ? runBatchExport(*o, pathData) : runExport(*o, pathData);
}
