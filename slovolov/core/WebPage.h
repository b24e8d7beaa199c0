// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dealt board as one web page to play in a browser: the grid as it was
// dealt, the word list and "Найдено: N из M", with an optional clock.
#include "Game.h"

#include <string>

namespace smek::slovolov {

// clockSeconds: the page's countdown, 0 for none.
std::string webPage(const GameState& g, int clockSeconds);

} // namespace smek::slovolov
