// SPDX-License-Identifier: GPL-3.0-or-later
#include "Drag.h"

#include <algorithm>
#include <cstdlib>

namespace smek::slovolov {

bool onWordLine(Cell from, Cell to) {
    const int dx = to.x - from.x, dy = to.y - from.y;
    return dx == 0 || dy == 0 || dx == dy || dx == -dy;
}

std::vector<Cell> dragPath(Cell from, Cell to) {
    if (!onWordLine(from, to)) return {from};
    const int dx = to.x - from.x, dy = to.y - from.y;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    const int sx = dx > 0 ? 1 : dx < 0 ? -1 : 0;
    const int sy = dy > 0 ? 1 : dy < 0 ? -1 : 0;
    std::vector<Cell> out;
    out.reserve(static_cast<size_t>(steps + 1));
    for (int k = 0; k <= steps; ++k) out.push_back({from.x + k * sx, from.y + k * sy});
    return out;
}

} // namespace smek::slovolov
