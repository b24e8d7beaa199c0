#include "StartGame.h"

#include "AnalizTexta.h"

#include "common/core/Cp1251.h"

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

const std::string& tekstDlyaGlaza(const Puzzle& p) {
    const std::string& eye = p.TekstKakNapisan;
    return eye.size() == p.Tekst.size() && ZamenaE(eye) == p.Tekst ? eye : p.Tekst;
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

std::string textOfFile(const std::string& bytes) {
    if (!smek::isValidUtf8(bytes)) return bytes;
    // A mark that editors put first is no character of the text: as "?" it
    // would shift every position by one.
    static const std::string kBom = "\xEF\xBB\xBF";
    const bool marked = bytes.compare(0, kBom.size(), kBom) == 0;
    return smek::utf8ToCp1251(marked ? bytes.substr(kBom.size()) : bytes);
}

bool StartGame(Puzzle& p, int typ, const std::string& text1) {
    if (text1.empty()) return false;
    p.TypGame = typ;
    p.TekstKakNapisan = lineBreaksToBr(text1);
    p.Tekst = ZamenaE(p.TekstKakNapisan);
    p.ImyaFile.clear();
    return true;
}

} // namespace smek::slovoset
