// SPDX-License-Identifier: GPL-3.0-or-later
#include "Hint.h"

#include <algorithm>
#include <utility>

namespace smek::bukvoklad {
namespace {

std::vector<int> closedPositions(const Board& board) {
    std::vector<int> closed;
    for (size_t p = 0; p < board.opened.size(); ++p)
        if (!board.opened[p]) closed.push_back(static_cast<int>(p));
    return closed;
}

} // namespace

bool wordInPlay(const Game& game) {
    return game.GameState == 1 && game.wordLoaded && game.KolBukv > 0;
}

bool canHint(const Game& game) {
    return wordInPlay(game) && game.board.cells.size() == game.Slovo.size() && closedPositions(game.board).size() >= 2;
}

int chooseHint(const Board& board, Random& random) {
    const std::vector<int> closed = closedPositions(board);
    if (closed.size() < 2) return -1;
    return closed[static_cast<size_t>(random.between(0, static_cast<int>(closed.size()) - 1))];
}

void openPosition(Board& board, int p) {
    const auto at = std::find(board.cells.begin(), board.cells.end(), p);
    if (at == board.cells.end() || static_cast<size_t>(p) >= board.cells.size()) return;
    std::iter_swap(at, board.cells.begin() + p);
    board.opened[static_cast<size_t>(p)] = true;
}

int Podskazka(Game& game, Random& random) {
    if (!canHint(game)) return -1;
    const int p = chooseHint(game.board, random);
    if (p >= 0) openPosition(game.board, p);
    return p;
}

} // namespace smek::bukvoklad
