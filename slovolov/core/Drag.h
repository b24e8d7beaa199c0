// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dragging across a word: the straight lines a word can lie on are a row, a
// column and either diagonal (the up-right one holds words of own puzzles),
// each read either way.
#include "Game.h"

#include <vector>

namespace smek::slovolov {

// True when a word could run from one cell to the other.
bool onWordLine(Cell from, Cell to);
// The cells from the start to the pointer, both included, when they lie on a
// word line; otherwise only the start cell (a release there finds nothing).
std::vector<Cell> dragPath(Cell from, Cell to);

} // namespace smek::slovolov
