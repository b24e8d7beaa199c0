// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintSheet.h"

#include "common/core/Alphabet.h"

#include <cstdlib>

namespace smek::slovolov {

PrintSheet printSheet(const GameState& g) {
    PrintSheet sheet;
    sheet.title = g.title;
    sheet.allDirections = g.allDirections;
    sheet.GridMax = g.GridMax;
    sheet.words = g.Slova;
    // As dealt, whatever giving up or the refill did to the board since.
    const std::vector<int>& board = g.dealt.size() == g.cells.size() ? g.dealt : g.cells;
    sheet.letters.reserve(board.size());
    for (int v : board) sheet.letters.push_back(std::abs(v));
    for (int i = 0; i < static_cast<int>(g.Slova.size()); ++i) {
        const auto& r = g.Recs[static_cast<size_t>(i)];
        sheet.answers.push_back({{r[0], r[1]}, {r[2], r[3]}});
        if (g.Found[static_cast<size_t>(i)] != 1) continue;
        std::vector<Cell> cells = g.wordCells(i);
        const std::string& word = g.Slova[static_cast<size_t>(i)];
        const bool backwards = r[5] == 2; // the last letter sits at the start cell
        for (size_t k = 0; k < cells.size() && k < word.size(); ++k) {
            const Cell c = cells[backwards ? cells.size() - 1 - k : k];
            if (const int v = smek::letterPosition(word[k]); v > 0)
                sheet.letters[static_cast<size_t>(c.x * (g.GridMax + 1) + c.y)] = v;
        }
    }
    return sheet;
}

namespace {

// "6 слов", "1 слово", "3 слова".
std::string wordCount(int n) {
    const int lastTwo = n % 100, last = n % 10;
    const bool teens = lastTwo >= 11 && lastTwo <= 14;
    const char* noun = teens || last == 0 || last >= 5 ? "слов" : last == 1 ? "слово" : "слова";
    return std::to_string(n) + " " + noun;
}

} // namespace

std::string ruleText(const PrintSheet& sheet) {
    const char* lines = sheet.allDirections ? "по горизонтали, по вертикали и по обеим диагоналям"
                                            : "по горизонтали, по вертикали и по диагонали сверху слева вниз направо";
    return "Найдите " + wordCount(static_cast<int>(sheet.words.size())) + ". Слова читаются " + lines +
           ", а также в обратную сторону.";
}

} // namespace smek::slovolov
