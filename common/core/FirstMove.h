// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// When a game counts as started: at the player's first move on it, not when
// its board is dealt or its file opened, so that a launch, a look at a fresh
// board or an opened file that is not played is no game in the statistics.
#include "Statistics.h"

namespace smek {

class FirstMove {
public:
    explicit FirstMove(StatisticsBook& book) : book_(book) {}

    // A new board or an opened game: a game still in play is left unfinished
    // (the run of wins ends), and counting waits for the first move.
    void dealt();
    // The player acts on the game (a click, a letter typed, an answer, a hint,
    // giving up): the first act of a dealt game counts it as started.
    void moved();
    // The end of the game; it counts only when the game was started. A move
    // after the end (a word-search board given up, a word retyped) starts
    // nothing.
    bool ended(Outcome outcome, int level = -1, long long seconds = -1);
    // The game just dealt was counted as started before the program last
    // closed: it is in play again, and its first move here counts nothing.
    void alreadyStarted();
    // No game any more (a puzzle built for an author, an opened game that was over).
    void left();

    bool waiting() const { return waiting_; }

private:
    StatisticsBook& book_;
    bool waiting_ = false;
};

} // namespace smek
