#include "StartGame.h"

#include "AnalizTexta.h"
#include "TekstKakNapisan.h"

#include <string_view>

namespace smek::slovoset {

bool needsCreateQuestion(const Puzzle& p, int typ) {
    return typ == 1 && p.TypGame == 0;
}

std::string lineBreaksToBr(const std::string& text1) {
    std::string out;
    out.reserve(text1.size() + text1.size() / 16);
    for (size_t i = 0; i < text1.size(); ++i) {
        const char c = text1[i];
        if (c == '\r' || c == '\n') {
            // CR LF is one break, as is a lone LF or CR.
            if (c == '\r' && i + 1 < text1.size() && text1[i + 1] == '\n') ++i;
            out += "<br>";
        } else {
            out += c;
        }
    }
    return out;
}

std::string prepareTekst(const std::string& text1) {
    return ZamenaE(lineBreaksToBr(text1));
}

std::string sourceTextOf(const std::string& tekst) {
    static constexpr std::string_view kBr = "<br>";
    std::string out;
    out.reserve(tekst.size());
    for (size_t i = 0; i < tekst.size(); ++i) {
        if (tekst.compare(i, kBr.size(), kBr) == 0) {
            out += '\n';
            i += kBr.size() - 1;
        } else {
            out += tekst[i];
        }
    }
    return out;
}

bool StartGame(Puzzle& p, int typ, const std::string& text1) {
    if (text1.empty()) return false;
    p.TypGame = typ;
    AuthorText text = authorText(text1);
    p.Tekst = std::move(text.Tekst);
    p.Napisano = std::move(text.kakNapisano);
    p.ImyaFile.clear();
    return true;
}

} // namespace smek::slovoset
