// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game in progress: what a typed key does, when the answer wins, the
// countdown and the reveal.
#include "Game.h"

#include <string>

namespace smek::bukvoklad {

// What becomes of one typed character (CP1251) in the answer box: backspace
// and the full stop go through as typed, a Russian letter of either case is
// put in as its capital, everything else is dropped.
struct KeyAction {
    enum class Kind { Pass, Insert, Drop };
    Kind kind = Kind::Drop;
    char letter = 0; // Insert only
};
KeyAction filterAnswerKey(char typed);

// On every change of the answer box: true (and GameState = 0) when the
// upper-cased text is the hidden word, Е typed for Ё or Ё for Е. Never after the reveal, nor while no
// word is loaded.
bool checkAnswer(Game& game, const std::string& textCp1251);

// One second of a timed game: counts down, or on the tick after "00" ends the
// game (GameState = 0); the caller then reveals the word.
enum class TickResult { Counted, TimeUp };
TickResult NewTime(Game& game);

// "07" for 7, "45" for 45; never fewer than two digits.
std::string timerCaption(int seconds);

// Ends answer checking (KolBukv = 0, GameState = -1) and returns the word to
// show in its right order; empty when there is nothing (left) to reveal, so a
// second reveal cannot wipe the board.
std::string Otvet(Game& game);

} // namespace smek::bukvoklad
