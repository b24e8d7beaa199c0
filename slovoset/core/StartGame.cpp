#include "StartGame.h"

#include "AnalizTexta.h"

#include "common/core/Cp1251.h"

namespace slovoset {

bool needsCreateQuestion(const Puzzle& p, int typ) {
    return typ == 1 && p.TypGame == 0;
}

std::string prepareTekst(const std::string& text1) {
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
    return ZamenaE(std::move(out));
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
    p.Tekst = prepareTekst(text1);
    p.ImyaFile.clear();
    return true;
}

} // namespace slovoset
