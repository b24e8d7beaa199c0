#pragma once
// What a printed puzzle shows: the board as it was dealt, the word list and,
// for the answers page, where each word lies.
#include "Game.h"

#include <string>
#include <vector>

namespace smek::slovolov {

struct PrintSheet {
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

// The sheet of the game in play. Found words get their letters back (the
// board emptied or refilled their cells), so a half-played game prints as the
// whole puzzle; cells that giving up emptied stay empty.
PrintSheet printSheet(const GameState& g);

} // namespace smek::slovolov
