// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartGame.h"

namespace smek::slovoset {

SelectSlovoResult SelectSlovo(Puzzle& p) {
    p.Gotovo = 0;
    SpisokStart(p);
    p.Ugadano = -1;
    p.Otkryto = -1;
    for (int i = 0; i <= p.MaxSlova; ++i) {
        SkrytoeSlovo& w = p.Slova[static_cast<size_t>(i)];
        bool isShort = static_cast<int>(w.Slovo.size()) <= p.LenSlov + 2;
        if (p.TypGame == 1) {
            // The choice by length overrides the author's earlier clicks.
            w.Vybrano = isShort ? 0 : 1;
            isShort = false;
        }
        if (isShort) continue;
        if (p.TypGame == 0 && w.Vybrano == 1) {
            p.Ugadano += w.Otgadano;
            ++p.Otkryto;
        }
        SpisokAdd(p, i);
    }
    p.Gotovo = 1;

    SelectSlovoResult out;
    out.show = ShowSlovo(p);
    out.showBanner = p.TypGame == 0 && p.MaxSpisok >= 0 && p.Otkryto == p.MaxSpisok;
    return out;
}

} // namespace smek::slovoset
