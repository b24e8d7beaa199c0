// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The count of found words shown above the word list.
#include "Game.h"

#include <string>

namespace smek::slovolov {

int foundCount(const GameState& g);
// "Найдено: 3 из 12" (UTF-8).
std::string foundCounter(const GameState& g);

} // namespace smek::slovolov
