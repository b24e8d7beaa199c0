// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a printed puzzle shows: the board as it was dealt, the word list and,
// for the answers page, where each word lies.
#include "Game.h"

#include <string>
#include <vector>

namespace smek::slovolov {

struct PrintSheet {
    std::string title;          // UTF-8: an own puzzle's, empty for a dealt one
    bool allDirections = false; // words may lie on the up-right diagonal too
    int GridMax = 0;
    // Alphabet positions 1..33, 0 for an empty cell; column-major like Grid.
    std::vector<int> letters;
    std::vector<std::string> words; // CP1251, in list order
    struct Line {
        Cell first;
        Cell last;
    };
    std::vector<Line> answers; // one per word: its first and last letter's cells

    int letter(int x, int y) const { return letters[static_cast<size_t>(x * (GridMax + 1) + y)]; }
};

// The sheet of the game in play, as it was dealt or opened: filler letters
// that giving up or a loss emptied print again. Found words get their letters
// back (an opened game's board has them emptied or refilled), so a
// half-played game prints as the whole puzzle.
PrintSheet printSheet(const GameState& g);

// The rule above the board, on paper and on the web page (UTF-8): "Найдите
// 6 слов. Слова читаются …, а также в обратную сторону."
std::string ruleText(const PrintSheet& sheet);

} // namespace smek::slovolov
