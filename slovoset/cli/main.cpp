// slovoset-cli: the analysis and the export of the hidden-word program
// without a window, for authors who prepare many puzzles.
#include "slovoset/core/AnalizTexta.h"
#include "slovoset/core/SaveHtml.h"
#include "slovoset/core/ShowHtml.h"
#include "slovoset/core/StartGame.h"

#include "common/core/Cp1251.h"
#include "common/core/Paths.h"
#include "common/core/TextFile.h"

#include <charconv>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <system_error>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace slovoset;

constexpr const char* kUsage =
    "usage: slovoset-cli list [--play] [--min-length N] FILE\n"
    "       slovoset-cli export --title T [--min-length N] FILE OUT.html\n"
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
    "\n"
    "Exit status: 0 done, 1 the text or a page failed, 2 wrong usage.\n";

int usage(const std::string& why = {}) {
    if (!why.empty()) std::cerr << "slovoset-cli: " << why << "\n";
    std::cerr << kUsage;
    return 2;
}

// The whole of a file, or of standard input for "-".
smek::ReadResult readInput(const std::string& name) {
    if (name != "-") return smek::readTextFile(name);
    smek::ReadResult r;
    r.content.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    if (std::cin.bad()) r.error = std::make_error_code(std::errc::io_error);
    return r;
}

struct Options {
    std::string command;
    bool play = false;
    int minLength = 3;
    std::optional<std::string> title;
    std::vector<std::string> files;
};

std::optional<Options> parse(int argc, char** argv, std::string& why) {
    Options o;
    if (argc < 2) return std::nullopt;
    o.command = argv[1];
    if (o.command != "list" && o.command != "export") {
        why = "unknown command " + o.command;
        return std::nullopt;
    }
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--play" && o.command == "list") {
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
        } else if (a == "--title" && o.command == "export" && i + 1 < argc) {
            o.title = argv[++i];
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            why = "unknown option " + a;
            return std::nullopt;
        } else {
            o.files.push_back(a);
        }
    }
    const size_t wanted = o.command == "list" ? 1 : 2;
    if (o.files.size() != wanted) {
        why = o.command == "list" ? "one text file expected" : "a text file and an output page expected";
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

bool inList(const Puzzle& p, int index) {
    for (int line = 0; line <= p.MaxSpisok; ++line)
        if (p.Spisok[static_cast<size_t>(line)] == index) return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        std::cout << kUsage << "\n" << kHelp;
        return 0;
    }
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::cout << "slovoset-cli " << SMEKALIA_VERSION << "\n";
        return 0;
    }
    std::string why;
    const std::optional<Options> o = parse(argc, argv, why);
    if (!o) return usage(why);

    const smek::ReadResult file = readInput(o->files[0]);
    if (file.error) {
        std::cerr << "slovoset-cli: " << o->files[0] << ": " << file.error.message() << "\n";
        return 1;
    }

    Puzzle p;
    p.PathData = smek::PathData(programFolder(argv[0]));
    p.LenSlov = o->minLength - 3;
    const std::string text = textOfFile(file.content);
    if (text.empty()) {
        std::cerr << "slovoset-cli: " << o->files[0] << ": empty text\n";
        return 1;
    }
    StartGame(p, o->play ? 0 : 1, text);
    const AnalizOutcome outcome = AnalizTexta(p, 0);
    if (outcome.message != AnalizMessage::None) {
        std::cerr << analizMessageText(outcome.message) << "\n";
        return 1;
    }

    if (o->command == "list") {
        for (int i = 0; i <= p.MaxSlova; ++i) {
            const SkrytoeSlovo& w = p.Slova[static_cast<size_t>(i)];
            std::cout << smek::cp1251ToUtf8(w.Slovo) << '\t' << w.Nachalo << '\t' << w.DlinaVTexte << '\t' << w.Vybrano
                      << '\t' << (inList(p, i) ? 1 : 0) << '\t' << smek::cp1251ToUtf8(w.Fragment) << '\n';
        }
        return 0;
    }

    // The view last showed the puzzle display; the answers page repeats it.
    p.Nazvanie = smek::utf8ToCp1251(*o->title);
    const std::string text2 = htmlViewBody(ShowSlovo(p).html);
    std::string page = o->files[1];
    if (smek::PoiskTochki(page) == 0) page += ".html";
    const std::string pages[] = {page, answersPath(page)};
    bool existed[2];
    for (int i = 0; i < 2; ++i) {
        std::error_code ec;
        existed[i] = std::filesystem::exists(pages[i], ec);
    }
    int status = 0;
    int i = 0;
    for (const SaveOutcome& saved : SaveHtml(p, o->files[1], text2, [](const std::string&) { return true; })) {
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
