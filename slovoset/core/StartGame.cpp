// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartGame.h"

#include "TekstKakNapisan.h"

#include <string_view>

namespace smek::slovoset {

bool needsCreateQuestion(const Puzzle& p, int typ) {
    return typ == 1 && p.TypGame == 0;
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
