// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/FirstMove.h"

#include <gtest/gtest.h>

using namespace smek;

TEST(FirstMove, ADealtGameCountsAtItsFirstMoveOnly) {
    StatisticsBook book;
    FirstMove start(book);
    start.dealt(); // a launch or an opened file, not played
    start.dealt();
    EXPECT_EQ(book.totals().started, 0);
    EXPECT_TRUE(start.waiting());
    start.moved();
    start.moved();
    EXPECT_EQ(book.totals().started, 1);
    EXPECT_FALSE(start.waiting());
    EXPECT_TRUE(start.ended(Outcome::Won));
    start.moved(); // a word retyped after the win starts nothing
    EXPECT_EQ(book.totals().started, 1);
    EXPECT_EQ(book.totals().won, 1);
}

TEST(FirstMove, AnUntouchedGameEndsUncounted) {
    StatisticsBook book;
    FirstMove start(book);
    start.dealt();
    EXPECT_FALSE(start.ended(Outcome::LostOnTime)); // the clock ran out on a board nobody touched
    start.moved();
    EXPECT_EQ(book.totals(), Statistics{});
}

TEST(FirstMove, ANewBoardOverAStartedGameEndsTheRunOfWins) {
    StatisticsBook book;
    FirstMove start(book);
    for (int i = 0; i < 2; ++i) {
        start.dealt();
        start.moved();
        start.ended(Outcome::Won);
    }
    start.dealt(); // over a finished game: the run goes on
    EXPECT_EQ(book.totals().streak, 2);
    start.moved();
    start.dealt(); // over a game in play: it is left unfinished
    EXPECT_EQ(book.totals().streak, 0);
    EXPECT_EQ(book.totals().longestStreak, 2);
    EXPECT_EQ(book.totals().started, 3);
    start.left();
    start.moved(); // no game to start
    EXPECT_EQ(book.totals().started, 3);
}

TEST(FirstMove, AGameCountedBeforeTheCloseComesBackWithoutCountingAgain) {
    StatisticsBook book;
    FirstMove start(book);
    start.dealt();
    start.alreadyStarted();
    EXPECT_FALSE(start.waiting());
    start.moved();
    EXPECT_EQ(book.totals().started, 0); // counted in the run that dealt it
    EXPECT_TRUE(book.inPlay());
    EXPECT_TRUE(start.ended(Outcome::Won)); // its end counts as any game's
    EXPECT_EQ(book.totals().won, 1);
    EXPECT_EQ(book.totals().streak, 1);
}
