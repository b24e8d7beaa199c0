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
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace slovoset;

constexpr const char* kUsage =
    "usage: slovoset-cli list [--play] [--min-length N] FILE\n"
    "       slovoset-cli export --title T [--min-length N] FILE OUT.html\n"
    "N: the shortest word length, 3..24 (default 3).\n";

int usage(const std::string& why = {}) {
    if (!why.empty()) std::cerr << "slovoset-cli: " << why << "\n";
    std::cerr << kUsage;
    return 2;
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

} // namespace

int main(int argc, char** argv) {
    std::string why;
    const std::optional<Options> o = parse(argc, argv, why);
    if (!o) return usage(why);

    const smek::ReadResult file = smek::readTextFile(o->files[0]);
    if (file.error) {
        std::cerr << "slovoset-cli: " << o->files[0] << ": " << readFailure(file) << "\n";
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
    int status = 0;
    for (const SaveOutcome& saved : SaveHtml(p, o->files[1], text2, [](const std::string&) { return true; })) {
        if (saved.kind == SaveOutcome::Kind::Failed) {
            std::cerr << saved.message << "\n";
            status = 1;
        }
    }
    return status;
}
