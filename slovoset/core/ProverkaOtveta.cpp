// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProverkaOtveta.h"

#include "AnalizTexta.h"

#include "common/core/Alphabet.h"

namespace smek::slovoset {

const char* const kNeZagadano = "Это слово не загадано компьютером";
const char* const kUzheOtkryto = "Это слово уже открыто.";

bool answerKeyPasses(int cp1251Code) {
    if (cp1251Code < 9) return true;
    if (cp1251Code > 255) return false;
    return smek::isRussianCapital(smek::toUpperRu(static_cast<char>(cp1251Code)));
}

Otvet ProverkaOtveta(Puzzle& p, const std::string& answer) {
    const std::string w = ZamenaE(smek::toUpperRu(answer));
    Otvet out;
    for (int i = 0; i <= p.MaxSpisok; ++i) {
        SkrytoeSlovo& slovo = slovoOfLine(p, i);
        if (slovo.Slovo != w) continue;
        out.line = i;
        // An open word counted again would raise the score and end the game
        // before every word is open.
        if (slovo.Vybrano == 1) {
            out.kind = Otvet::Kind::AlreadyOpen;
            return out;
        }
        slovo.Otgadano = 1;
        slovo.Vybrano = 1;
        ++p.Ugadano;
        out.kind = Otvet::Kind::Opened;
        return out;
    }
    return out;
}

} // namespace smek::slovoset
