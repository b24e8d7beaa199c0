// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A compose-a-word game in play, as the core tests start one.
#include "bukvoklad/core/Board.h"
#include "bukvoklad/core/Game.h"
#include "common/core/Cp1251.h"

#include <vector>

namespace smek::bukvoklad::test {

// The word given as UTF-8, its letters in the given cell order (none: no board).
inline Game inPlay(const char* wordUtf8, std::vector<int> order = {}) {
    Game game;
    game.Slovo = w1251(wordUtf8);
    game.KolBukv = static_cast<int>(game.Slovo.size());
    game.GameState = 1;
    game.wordLoaded = true;
    if (!order.empty()) game.board = startBoard(std::move(order));
    return game;
}

} // namespace smek::bukvoklad::test
