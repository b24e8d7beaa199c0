// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameInPlay.h"
#include "bukvoklad/core/Play.h"
#include "common/core/Cp1251.h"

#include <gtest/gtest.h>

using namespace smek;
using namespace smek::bukvoklad;

using test::inPlay;

TEST(AnswerCheck, UpperCasedWholeTextWins) {
    Game game = inPlay("ЁЛКА");
    EXPECT_FALSE(checkAnswer(game, w1251("ЁЛК")));
    EXPECT_FALSE(checkAnswer(game, w1251("ЁЛКА.")));
    EXPECT_FALSE(checkAnswer(game, w1251("ЁЛКАА")));
    EXPECT_EQ(game.GameState, 1);
    EXPECT_TRUE(checkAnswer(game, w1251("ёлка"))); // pasted lower case still counts
    EXPECT_EQ(game.GameState, 0);
    // After a win the same word wins again (the box is still live).
    EXPECT_FALSE(checkAnswer(game, w1251("ЁЛК")));
    EXPECT_TRUE(checkAnswer(game, w1251("ЁЛКА")));
}

TEST(AnswerCheck, EAndYoStandForEachOther) {
    // The board shows КОВЁР; players type Е as often as Ё.
    Game game = inPlay("КОВЁР");
    EXPECT_FALSE(checkAnswer(game, w1251("КОВЕ")));
    EXPECT_FALSE(checkAnswer(game, w1251("КОВОР"))); // only Е stands for Ё
    EXPECT_FALSE(checkAnswer(game, w1251("КОВЕРР")));
    EXPECT_TRUE(checkAnswer(game, w1251("ковер")));
    Game yo = inPlay("КОВЁР");
    EXPECT_TRUE(checkAnswer(yo, w1251("КОВЁР")));
    // And a word written with Е takes a typed Ё.
    Game plain = inPlay("ЛЕС");
    EXPECT_TRUE(checkAnswer(plain, w1251("ЛЁС")));
}

TEST(AnswerCheck, NothingWinsAfterTheRevealOrWithoutAWord) {
    Game game = inPlay("КОТ");
    EXPECT_EQ(Otvet(game), w1251("КОТ"));
    EXPECT_EQ(game.GameState, -1);
    EXPECT_EQ(game.KolBukv, 0);
    EXPECT_FALSE(checkAnswer(game, w1251("КОТ")));
    EXPECT_EQ(game.GameState, -1);
    // A second reveal (time-out while the give-up question was open) has nothing to draw.
    EXPECT_EQ(Otvet(game), "");

    Game stale = inPlay("КОТ");
    stale.wordLoaded = false; // the last new game found no database
    EXPECT_FALSE(checkAnswer(stale, w1251("КОТ")));
    EXPECT_FALSE(checkAnswer(stale, ""));
    EXPECT_EQ(Otvet(stale), "");
    EXPECT_EQ(stale.GameState, 1);
}

TEST(Countdown, FiveSecondsShowFiveToZeroAndTheSixthTickLoses) {
    Game game = inPlay("КОТ");
    game.TimeOst = 5;
    std::vector<std::string> shown{timerCaption(game.TimeOst)};
    for (int tick = 1; tick <= 5; ++tick) {
        ASSERT_EQ(NewTime(game), TickResult::Counted);
        shown.push_back(timerCaption(game.TimeOst));
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"05", "04", "03", "02", "01", "00"}));
    EXPECT_EQ(game.GameState, 1);
    EXPECT_EQ(NewTime(game), TickResult::TimeUp);
    EXPECT_EQ(game.GameState, 0);
    EXPECT_EQ(Otvet(game), w1251("КОТ"));
    EXPECT_EQ(game.GameState, -1);
    // A limit from an edited file is shown whole, not cut to its last two digits.
    EXPECT_EQ(timerCaption(120), "120");
}
