// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The compose-a-word game: one record for the whole run, owned by Main.
#include "Board.h"
#include "OwnWords.h"

#include <optional>
#include <string>

namespace smek::bukvoklad {

struct Game {
    std::string PathData; // the data folder, ending in its separator

    // Settings, kept in Bukvoklad.ini.
    int OptTime = 0;    // 1 = timed game
    int OptSec = 0;     // time limit in seconds
    int OptKolBukv = 0; // fixed word length; below 3 (or above 19) a random one
    std::string Tema;   // the word theme, kept per user apart from the settings; empty = all words
    // The author's list while the games deal from it; theme and length then
    // give way to the list's words.
    std::optional<OwnWords> own;

    int KolBukv = 0;     // letter cells on the board; 0 once the word is revealed
    std::string Slovo;   // the hidden word, CP1251 capitals
    int TimeOst = 0;     // seconds left in a timed game
    int GameState = 0;   // 1 in play, 0 won or lost on time, -1 revealed
    // False while the board shows no word (no usable database for the
    // length): Slovo may still hold an older word that must not win.
    bool wordLoaded = false;
    // The cells of the word in play, hints opened and reshuffles included.
    Board board;
};

} // namespace smek::bukvoklad
