// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed level tables of the word-search game. Levels are 0, 1
// and 2 inside the program (shown to the player as 1, 2 and 3).
#include <array>
#include <cstddef>

namespace smek::slovolov {

constexpr int kLevels = 3;

// Highest cell index of the grid: the grid has tabGrid + 1 columns and rows.
constexpr std::array<int, kLevels> tabGrid{9, 14, 19};
// Highest word index: the game hides tabWords + 1 words.
constexpr std::array<int, kLevels> tabWords{5, 11, 19};
// Point size of the grid letters.
constexpr std::array<int, kLevels> tabFont{24, 16, 12};
// Exact length of the word with each index; 0 beyond the level's last word.
constexpr std::array<std::array<int, 20>, kLevels> tabLen{{
    {7, 6, 5, 4, 4, 3},
    {10, 9, 8, 7, 7, 6, 6, 5, 5, 4, 4, 3},
    {19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 5, 5, 4, 4, 3},
}};
// The step from one letter to the next: [direction][0] column, [1] row.
constexpr std::array<std::array<int, 2>, 3> tabDir{{{1, 0}, {0, 1}, {1, 1}}};
// An own puzzle may also hide words on the up-right diagonal: direction 3.
// Saved games never hold it, so tabDir stays the designed three.
constexpr int kUpRight = 3;
constexpr std::array<std::array<int, 2>, 4> kSteps{{{1, 0}, {0, 1}, {1, 1}, {1, -1}}};

constexpr bool validLevel(int level) { return level >= 0 && level < kLevels; }
// The level whose grid has this many cells a side (10, 15, 20); -1 for none.
constexpr int levelOfSide(int side) {
    for (int level = 0; level < kLevels; ++level)
        if (tabGrid[static_cast<size_t>(level)] + 1 == side) return level;
    return -1;
}
// 400 divided by the number of cells in a row: 40, 26 or 20 pixels.
constexpr int cellSizeFor(int gridMax) { return 400 / (gridMax + 1); }
// The board surface: the cell area, its closing right and bottom grid line
// (one pixel more than designed, which left it outside the surface) and a
// 2-pixel sunken border on each side.
constexpr int boardEdge(int level) { return level == 1 ? 395 : 405; }

} // namespace smek::slovolov
