// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The letter board of the game in play, as data: which letter of the word
// stands in which cell, which letters a hint has put in their own cells, and
// which cells the letters typed so far use up.
#include "common/core/Random.h"

#include <string>
#include <vector>

namespace smek::bukvoklad {

struct Board {
    std::vector<int> cells;   // cells[j]: the 0-based position in the word of the letter in cell j
    std::vector<bool> opened; // opened[p]: a hint has put position p in cell p
};

// A board showing the letters in this order, nothing opened.
Board startBoard(std::vector<int> order);

// The letters of the word as the cells show them.
std::string shownLetters(const Board& board, const std::string& word);

// Shuffles the letters that are not opened among the cells that are not
// opened; opened letters stay in their cells. The new board neither spells
// the word nor shows what it showed before; when no such order exists (all
// closed letters alike, or the last two), the board stays as it is.
void reshuffle(Board& board, const std::string& word, Random& random);

// Whether a typed capital stands for a shown one. The board shows Ё where
// the word has it, but players mostly type Е: either matches a Ё cell.
bool sameLetter(char typed, char shown);

// For each cell, whether a letter of the typed answer uses it up. Each typed
// letter takes one cell of that letter: the opened cell of its own position
// if it has one, else the leftmost free cell that is not opened, else the
// leftmost free opened one; a cell of the very letter before one of Е/Ё.
// Letters the board lacks take nothing.
std::vector<bool> cellsInUse(const Board& board, const std::string& word, const std::string& typedCp1251);

} // namespace smek::bukvoklad
