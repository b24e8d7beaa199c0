// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hints: a hint puts one letter of the word in its own cell, so the player
// sees where it belongs. The last missing letter is never given away.
#include "Game.h"
#include "common/core/Random.h"

namespace smek::bukvoklad {

// A word is on the board and the player may still win it.
bool wordInPlay(const Game& game);

// Whether a hint may be given now: a word is in play and at least two of its
// letters are not opened yet.
bool canHint(const Game& game);

// A position to open, chosen uniformly among those not opened yet; -1 when
// fewer than two are left.
int chooseHint(const Board& board, Random& random);

// Puts position p in cell p, moving the letter that stood there into the cell
// p's letter leaves; other opened letters stay where they are.
void openPosition(Board& board, int p);

// Chooses and opens one position of the game in play; -1 when no hint may be
// given.
int Podskazka(Game& game, Random& random);

} // namespace smek::bukvoklad
