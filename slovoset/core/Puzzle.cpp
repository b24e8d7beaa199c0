// SPDX-License-Identifier: GPL-3.0-or-later
#include "Puzzle.h"

namespace smek::slovoset {

void SpisokStart(Puzzle& p) {
    p.Spisok.assign(1, 0);
    p.MaxSpisok = -1;
}

void SpisokAdd(Puzzle& p, int slovoIndex) {
    ++p.MaxSpisok;
    p.Spisok.resize(static_cast<size_t>(p.MaxSpisok) + 1);
    p.Spisok[static_cast<size_t>(p.MaxSpisok)] = slovoIndex;
}

SkrytoeSlovo& slovoOfLine(Puzzle& p, int line) {
    return p.Slova.at(static_cast<size_t>(p.Spisok.at(static_cast<size_t>(line))));
}

const SkrytoeSlovo& slovoOfLine(const Puzzle& p, int line) {
    return p.Slova.at(static_cast<size_t>(p.Spisok.at(static_cast<size_t>(line))));
}

bool noteOpened(Puzzle& p) {
    ++p.Otkryto;
    return p.Otkryto == p.MaxSpisok;
}

} // namespace smek::slovoset
