// SPDX-License-Identifier: GPL-3.0-or-later
#include "Progress.h"

#include <algorithm>

namespace smek::slovolov {

int foundCount(const GameState& g) {
    return static_cast<int>(std::count(g.Found.begin(), g.Found.end(), 1));
}

std::string foundCounter(const GameState& g) {
    return "Найдено: " + std::to_string(foundCount(g)) + " из " + std::to_string(g.Found.size());
}

} // namespace smek::slovolov
