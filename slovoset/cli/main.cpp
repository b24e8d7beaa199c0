// slovoset-cli: the analysis and the export of the hidden-word program
// without a window, for authors who prepare many puzzles.
#include "slovoset/core/AnalizTexta.h"
#include "slovoset/core/Batch.h"
#include "slovoset/core/Isklyucheniya.h"
#include "slovoset/core/PrintPages.h"
#include "slovoset/core/SaveHtml.h"
#include "slovoset/core/ShowHtml.h"
#include "slovoset/core/StartGame.h"

#include "common/core/Cp1251.h"
#include "common/core/Paths.h"
#include "common/core/SaveOpen.h"
#include "common/core/Version.h"
#include "common/core/TextFile.h"

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
    "usage: slovoset-cli list [--play] [--min-length N] [EXCLUDE] FILE\n"
    "       slovoset-cli export --title T [--print] [--min-length N] [EXCLUDE] FILE OUT.html\n"
    "       slovoset-cli export --out-dir DIR [--title T] [--print] [--min-length N] [EXCLUDE] FILE...\n"
    "       slovoset-cli stats [--min-length N] [EXCLUDE] FILE...\n"
    "       slovoset-cli --help | --version\n";

constexpr const char* kHelp =
    "Finds the hidden words of a Russian text (words that run across the\n"
    "boundary of two or three neighbouring words) and exports the puzzle.\n"
    "\n"
    "FILE is a text in UTF-8 or Windows-1251; - reads standard input.\n"
    "N is the shortest word length, 3..24 (default 3).\n"
    "\n"
    "list: one line per hidden word, in the order found, tab-separated:\n"
    "  1 word         the hidden word (UTF-8, capitals)\n"
    "  2 start        its 1-based position in the text (as the program holds\n"
    "                 it: line breaks as <br>, Ё as Е)\n"
    "  3 span         its length in the text, spaces and punctuation included\n"
    "  4 chosen       1 when the puzzle keeps it (shown opened with --play),\n"
    "                 else 0\n"
    "  5 listed       1 when it is long enough for the word list, else 0\n"
    "  6 fragment     the stretch of text it runs across\n"
    "  --play         the choice the game makes when it hides the words\n"
    "                 itself (default: the author's choice in create mode)\n"
    "\n"
    "export: writes OUT.html (the puzzle with hints) and OUT_ответы.html (the\n"
    "  answers), as the program's export does; existing files are replaced\n"
    "  without a question, and each replaced file is named on standard error.\n"
    "  --print        pages made for printing (A4 margins, an instruction line,\n"
    "                 numbered answer lines) instead of the program's pages\n"
    "  --plain        the program's pages (the default)\n"
    "  --out-dir DIR  each FILE gives DIR/NAME.html and DIR/NAME_ответы.html\n"
    "                 (NAME: the file's name without its extension); the title\n"
    "                 is the text's first line when that is short and ends no\n"
    "                 sentence (it then leaves the text), else NAME\n"
    "\n"
    "stats: per FILE the name, the words a created puzzle keeps, the words a\n"
    "  played one hides, and the kept words by length (LENGTH:COUNT).\n"
    "\n"
    "EXCLUDE: --exclude WORD,... and/or --exclude-file FILE (words separated by\n"
    "  line breaks, commas or blanks): words a created puzzle leaves out.\n"
    "\n"
    "Exit status: 0 done, 1 a text or a page failed, 2 wrong usage.\n";

int usage(const std::string& why = {}) {
    if (!why.empty()) std::cerr << "slovoset-cli: " << why << "\n";
    std::cerr << kUsage;
    return 2;
}

struct Options {
    std::string command;
    bool play = false;
    bool print = false; // export: pages made for printing instead of the program's own
    int minLength = 3;
    std::optional<std::string> title;
    std::vector<std::string> files;
    std::set<std::string> exclude; // CP1251 capitals, Е for Ё
    std::optional<std::string> outDir; // export: one page pair per text file
};

// --exclude WORD,... and --exclude-file FILE; true when argv[i] was one of
// them (i then stands on its value). A file that cannot be read sets `why`.
bool parseExcludeOption(int argc, char** argv, int& i, Options& o, std::string& why) {
    const std::string a = argv[i];
    if ((a != "--exclude" && a != "--exclude-file") || i + 1 >= argc) return false;
    const std::string value = argv[++i];
    std::string words = smek::utf8ToCp1251(value);
    if (a == "--exclude-file") {
        const smek::ReadResult file = smek::readTextFile(value);
        if (file.error) {
            why = value + ": " + file.error.message();
            return true;
        }
        words = textOfFile(file.content);
    }
    o.exclude.merge(parseIsklyucheniya(words));
    return true;
}

std::optional<Options> parse(int argc, char** argv, std::string& why) {
    Options o;
    if (argc < 2) return std::nullopt;
    o.command = argv[1];
    if (o.command != "list" && o.command != "export" && o.command != "stats") {
        why = "unknown command " + o.command;
        return std::nullopt;
    }
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        if (parseExcludeOption(argc, argv, i, o, why)) {
            if (!why.empty()) return std::nullopt;
        } else if (a == "--play" && o.command == "list") {
            o.play = true;
        } else if (a == "--min-length" && i + 1 < argc) {
            const std::string n = argv[++i];
            int v = 0;
            const auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), v);
            if (ec != std::errc() || end != n.data() + n.size() || v < 3 || v > 24) {
                why = "--min-length takes a number from 3 to 24";
                return std::nullopt;
            }
            o.minLength = v;
        } else if (a == "--out-dir" && o.command == "export" && i + 1 < argc) {
            o.outDir = argv[++i];
        } else if (a == "--plain" && o.command == "export") {
            o.print = false;
        } else if (a == "--print" && o.command == "export") {
            o.print = true;
        } else if (a == "--title" && o.command == "export" && i + 1 < argc) {
            o.title = argv[++i];
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            why = "unknown option " + a;
            return std::nullopt;
        } else {
            o.files.push_back(a);
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
    if (o.play && !o.exclude.empty()) {
        why = "excluded words apply to created puzzles, not to --play";
        return std::nullopt;
    }
    if (o.command == "export" && (!o.title || o.title->empty())) {
        why = "export needs a title that is not empty";
        return std::nullopt;
    }
    return o;
}

std::string programFolder(const char* argv0) {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::absolute(argv0, ec);
    return exe.parent_path().string();
}

std::string readFailure(const smek::ReadResult& file) {
    switch (file.refused) {
    case smek::ReadResult::Refused::NotRegular: return "not a regular file (a folder, a device or a pipe)";
    case smek::ReadResult::Refused::TooLarge:
        return "larger than " + std::to_string(smek::kMaxTextFileBytes >> 20) + " MB, the most a text may have";
    case smek::ReadResult::Refused::WrongStart:
    case smek::ReadResult::Refused::No: break;
    }
    return file.error.message();
}

bool inList(const Puzzle& p, int index) {
    for (int line = 0; line <= p.MaxSpisok; ++line)
        if (p.Spisok[static_cast<size_t>(line)] == index) return true;
    return false;
}

// A named file, or standard input for "-".
smek::ReadResult readInput(const std::string& name) {
    if (name != "-") return smek::readTextFile(name);
    // Held to the bound of a file: /dev/zero on standard input ends too.
    smek::ReadResult r;
    char buffer[65536];
    while (std::cin.read(buffer, sizeof buffer) || std::cin.gcount() > 0) {
        r.content.append(buffer, static_cast<size_t>(std::cin.gcount()));
        if (r.content.size() > smek::kMaxTextFileBytes) {
            r.content.clear();
            r.refused = smek::ReadResult::Refused::TooLarge;
            r.error = std::make_error_code(std::errc::file_too_large);
            return r;
        }
    }
    if (std::cin.bad()) r.error = std::make_error_code(std::errc::io_error);
    return r;
}

// An author's text file (UTF-8 or CP1251) as the source box would hold it;
// empty optional after reporting a file that cannot be read or is empty.
std::optional<std::string> readText(const std::string& path) {
    const smek::ReadResult file = readInput(path);
    if (file.error) {
        std::cerr << "slovoset-cli: " << path << ": " << readFailure(file) << "\n";
        return std::nullopt;
    }
    std::string text = textOfFile(file.content);
    if (text.empty()) {
        std::cerr << "slovoset-cli: " << path << ": empty text\n";
        return std::nullopt;
    }
    return text;
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
    if (outcome.message != AnalizMessage::None) {
        std::cerr << (name.empty() ? "" : name + ": ") << analizMessageText(outcome.message) << "\n";
        return std::nullopt;
    }
    return p;
}

// Writes the two pages of a created puzzle, naming on standard error each
// page it replaced: 0, or 1 after reporting a failure.
int exportPages(Puzzle& p, const std::string& titleUtf8, std::string page, bool print) {
    p.Nazvanie = smek::utf8ToCp1251(titleUtf8);
    // The view last showed the puzzle display; the program's answers page repeats it.
    const std::string text2 = htmlViewBody(ShowSlovo(p).html);
    page = smek::withExtension(std::move(page), ".html");
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
            std::cerr << "slovoset-cli: replaced " << pages[i] << "\n";
        }
        ++i;
    }
    return status;
}

int runList(const Options& o, const std::string& pathData) {
    const std::optional<std::string> text = readText(o.files[0]);
    if (!text) return 1;
    const std::optional<Puzzle> p = analysed(*text, o.play ? 0 : 1, o, pathData, {});
    if (!p) return 1;
    for (int i = 0; i <= p->MaxSlova; ++i) {
        const SkrytoeSlovo& w = p->Slova[static_cast<size_t>(i)];
        std::cout << smek::cp1251ToUtf8(w.Slovo) << '\t' << w.Nachalo << '\t' << w.DlinaVTexte << '\t' << w.Vybrano
                  << '\t' << (inList(*p, i) ? 1 : 0) << '\t' << smek::cp1251ToUtf8(w.Fragment) << '\n';
    }
    return 0;
}

int runExport(const Options& o, const std::string& pathData) {
    const std::optional<std::string> text = readText(o.files[0]);
    if (!text) return 1;
    std::optional<Puzzle> p = analysed(*text, 1, o, pathData, {});
    if (!p) return 1;
    return exportPages(*p, *o.title, o.files[1], o.print);
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
        const TitledText titled = ownTitle ? titleOfText(*text, smek::utf8ToCp1251(name))
                                           : TitledText{smek::utf8ToCp1251(*o.title), *text};
        std::optional<Puzzle> p = analysed(titled.text, 1, o, pathData, file);
        if (!p || exportPages(*p, smek::cp1251ToUtf8(titled.title), (fs::path(*o.outDir) / (name + ".html")).string(),
                              o.print) != 0)
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
    if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        std::cout << kUsage << "\n" << kHelp;
        return 0;
    }
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::cout << "slovoset-cli " << smek::kVersion << "\n";
        return 0;
    }
    std::string why;
    const std::optional<Options> o = parse(argc, argv, why);
    if (!o) return usage(why);
    const std::string pathData = smek::PathData(programFolder(argv[0]));
    if (o->command == "list") return runList(*o, pathData);
    if (o->command == "stats") return runStats(*o, pathData);
    return o->outDir ? runBatchExport(*o, pathData) : runExport(*o, pathData);
}
