// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cursor.h"

#include <algorithm>

namespace smek::slovolov {

Cell moveCursor(Cell c, CursorMove move, int gridMax) {
    switch (move) {
    case CursorMove::Left: --c.x; break;
    case CursorMove::Right: ++c.x; break;
    case CursorMove::Up: --c.y; break;
    case CursorMove::Down: ++c.y; break;
    case CursorMove::FirstColumn: c.x = 0; break;
    case CursorMove::LastColumn: c.x = gridMax; break;
    case CursorMove::FirstRow: c.y = 0; break;
    case CursorMove::LastRow: c.y = gridMax; break;
    }
    return clampCursor(c, gridMax);
}

Cell clampCursor(Cell c, int gridMax) {
    const int top = std::max(gridMax, 0);
    return {std::clamp(c.x, 0, top), std::clamp(c.y, 0, top)};
}

Pixel cellCentre(const GameState& g, Cell c) {
    return {c.x * g.CellSize + g.CellSize / 2, c.y * g.CellSize + g.CellSize / 2};
}

std::optional<Cell> cellAt(const GameState& g, int px, int py) {
    // As the board click divides: toward zero, so the border's pixels just
    // left of and above the grid still belong to its first column and row.
    if (g.CellSize <= 0) return std::nullopt;
    const Cell c{px / g.CellSize, py / g.CellSize};
    if (c.x < 0 || c.x > g.GridMax || c.y < 0 || c.y > g.GridMax) return std::nullopt;
    return c;
}

} // namespace smek::slovolov
