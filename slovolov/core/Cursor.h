// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard cursor of the board: one cell the player moves with the arrow
// keys and "clicks" with Space or Enter. Moves stop at the edges (no
// wrapping): Home, End, PgUp and PgDn already reach the far side in one key,
// and a cursor that jumps across the board on an overshoot loses the player.
#include "Game.h"

#include <optional>

namespace smek::slovolov {

enum class CursorMove { Left, Right, Up, Down, FirstColumn, LastColumn, FirstRow, LastRow };

// The cursor after a move on a grid of gridMax + 1 columns and rows.
Cell moveCursor(Cell cursor, CursorMove move, int gridMax);
// The cursor kept inside a grid of another size (a new level's board).
Cell clampCursor(Cell cursor, int gridMax);
// The pixel in the middle of a cell, where a click on it lands.
struct Pixel {
    int x = 0;
    int y = 0;
};
Pixel cellCentre(const GameState& g, Cell cell);
// The cell under a pixel of the board, or nullopt outside the grid.
std::optional<Cell> cellAt(const GameState& g, int px, int py);

} // namespace smek::slovolov
