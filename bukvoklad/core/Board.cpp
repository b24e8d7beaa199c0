// SPDX-License-Identifier: GPL-3.0-or-later
#include "Board.h"

#include "NewGame.h"
#include "common/core/Alphabet.h"

namespace smek::bukvoklad {

Board startBoard(std::vector<int> order) {
    Board board;
    board.opened.assign(order.size(), false);
    board.cells = std::move(order);
    return board;
}

std::string shownLetters(const Board& board, const std::string& word) {
    std::string shown;
    for (const int p : board.cells)
        if (static_cast<size_t>(p) < word.size()) shown += word[static_cast<size_t>(p)];
    return shown;
}

void reshuffle(Board& board, const std::string& word, Random& random) {
    std::vector<int> freeCells;
    for (size_t j = 0; j < board.cells.size(); ++j)
        if (!board.opened[static_cast<size_t>(board.cells[j])]) freeCells.push_back(static_cast<int>(j));
    std::vector<int> letters;
    for (const int j : freeCells) letters.push_back(board.cells[static_cast<size_t>(j)]);
    const std::string before = shownLetters(board, word);
    // Each try succeeds with a chance of at least 1/3 whenever a good order
    // exists (three closed letters, two alike), so 30 tries all but never fail.
    for (int attempt = 0; attempt < 30; ++attempt) {
        Board trial = board;
        const std::vector<int> order = shuffleOrder(static_cast<int>(letters.size()), random);
        for (size_t k = 0; k < freeCells.size(); ++k)
            trial.cells[static_cast<size_t>(freeCells[k])] = letters[static_cast<size_t>(order[k])];
        const std::string shown = shownLetters(trial, word);
        if (shown != word && shown != before) {
            board = std::move(trial);
            return;
        }
    }
}

bool sameLetter(char typed, char shown) {
    const auto plain = [](char c) { return c == kYoUpper ? '\xC5' : c; }; // Ё as Е
    return plain(typed) == plain(shown);
}

std::vector<bool> cellsInUse(const Board& board, const std::string& word, const std::string& typedCp1251) {
    const size_t n = board.cells.size();
    std::vector<bool> used(n, false);
    if (word.size() < n || board.opened.size() != n) return used;
    const auto letterOf = [&](size_t j) { return word[static_cast<size_t>(board.cells[j])]; };
    const auto isOpened = [&](size_t j) { return board.opened[static_cast<size_t>(board.cells[j])]; };
    // The cell of the very letter first (Е takes an Е cell before a Ё one).
    const auto take = [&](char letter, bool opened) -> bool {
        for (const bool exact : {true, false})
            for (size_t j = 0; j < n; ++j)
                if (!used[j] && isOpened(j) == opened &&
                    (exact ? letter == letterOf(j) : sameLetter(letter, letterOf(j))))
                    return used[j] = true;
        return false;
    };
    const std::string typed = toUpperRu(typedCp1251);
    for (size_t i = 0; i < typed.size(); ++i) {
        const char letter = typed[i];
        if (i < n && board.opened[i] && !used[i] && sameLetter(letter, letterOf(i))) {
            used[i] = true;
            continue;
        }
        if (!take(letter, false)) take(letter, true);
    }
    return used;
}

} // namespace smek::bukvoklad
