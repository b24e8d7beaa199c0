// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starting a game: the letter count, a word from a random database file of
// that length, and the order in which its letters go into the cells.
#include "Game.h"
#include "common/core/Random.h"

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace smek::bukvoklad {

constexpr int kMaxLetters = 19; // the board's position table ends here
constexpr int kCell = 33;       // a cell is 33 x 33 pixels

// A count of 3..19 is kept; anything else (below 3, or above 19 from an
// edited settings file) gives a random length 5..19.
int chooseLength(int optKolBukv, Random& random);
// With a theme, a random length is drawn among the theme's own lengths of
// 5..19, so that its words come up at all; a fixed length stays as chosen.
int chooseLength(int optKolBukv, const std::vector<int>& themeLengths, Random& random);

// order[j] is the 0-based position in the word of the letter shown in cell j:
// every position exactly once, each order equally likely.
std::vector<int> shuffleOrder(int n, Random& random);
// The board's order for a word: shuffled, and drawn again while the board
// would spell the word in order (unless all its letters are the same).
std::vector<int> scrambledOrder(const std::string& word, Random& random);

struct NewGameResult {
    enum class Status { Ok, NoDatabase, CannotOpen, NotSuitable, OwnWordsUsedUp };
    Status status = Status::Ok;
    int length = 0;                   // cells to draw, whatever the status
    std::filesystem::path file;       // the chosen database file
    std::vector<int> order;           // Ok only
    bool themeFellBack = false;       // the theme lacks the length: all words served
};

// With own words, the next word of the list; once the list is used up
// (OwnWordsUsedUp) nothing of the game changes, and the caller asks whether
// to play the list again or go back to the game's words.
// Sets GameState = 1 and KolBukv; with a word (Ok) also Slovo, wordLoaded and,
// in a timed game, TimeOst. Otherwise the board stays empty and the answer
// check is suspended until a later game loads a word.
NewGameResult NewGame(Game& game, Random& random);

// The message the player sees for a failed start (UTF-8), empty for Ok.
std::string newGameMessage(const NewGameResult& result);

} // namespace smek::bukvoklad
