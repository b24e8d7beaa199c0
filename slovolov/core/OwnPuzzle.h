// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A word search from an author's own words: any number of words up to the
// list's twenty rows, on a 10, 15 or 20 cell grid, placed longest first by the
// designed placement. A set that does not fit is refused with the words and
// the reason before any game changes.
#include "Game.h"

#include <string>
#include <vector>

namespace smek::slovolov {

// The list beside the board has twenty rows.
inline constexpr int kOwnMaxWords = 20;
inline constexpr std::array<int, 3> kOwnSides{10, 15, 20};

struct OwnPuzzle {
    std::string title;              // UTF-8
    std::vector<std::string> words; // CP1251 capitals, each once
    int side = 10;                  // cells a side: 10, 15 or 20
    bool allDirections = false;     // the up-right diagonal, both ways, too
};

struct OwnBuild {
    bool ok = false;
    std::string refusal; // not ok: which words and why (UTF-8)
    GameState game;      // ok: the game to play, clock not started
};

// The puzzle's board, with the player's settings for clock and refill; the
// grid size sets the level as an opened game does. `limits` bound the
// placement draws per word and the boards started again.
OwnBuild buildOwnBoard(const OwnPuzzle& puzzle, const Settings& settings, smek::Random& random,
                       const BuildLimits& limits = {500, 100});

// Whether the own game is also a game of its level: as many words as the
// level hides, each of its slot's length, on the designed three directions,
// so the saved game file holds it and opens again.
bool fitsLevelSlots(const GameState& g);

} // namespace smek::slovolov
