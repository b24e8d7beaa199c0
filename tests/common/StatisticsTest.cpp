// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderTest.h"
#include "common/core/Statistics.h"

using namespace smek;
namespace fs = std::filesystem;

namespace {

class StatisticsFile : public FolderTest {
protected:
    fs::path file() const { return dir / "share" / "smekalia" / "slovolov-statistics"; }
    Statistics reread() const {
        const ReadResult read = readTextFile(file());
        EXPECT_FALSE(read.error);
        return parseStatistics(read.content).value_or(Statistics{});
    }
};

TEST(Statistics, EndsCountOncePerGameAndStreaksFollowTheWins) {
    StatisticsBook book;
    EXPECT_FALSE(book.gameEnded(Outcome::Won)); // no game yet
    for (int i = 1; i <= 3; ++i) {
        book.gameStarted();
        EXPECT_TRUE(book.gameEnded(Outcome::Won));
        // A word-search game given up can still be finished; a compose-a-word
        // win shows again after retyping: neither counts twice.
        EXPECT_FALSE(book.gameEnded(Outcome::Won));
        EXPECT_EQ(book.totals().streak, i);
    }
    book.gameStarted();
    EXPECT_EQ(book.totals().streak, 3); // starting alone ends no run
    book.gameEnded(Outcome::GivenUp);
    EXPECT_EQ(book.totals().streak, 0);
    EXPECT_FALSE(book.gameEnded(Outcome::Won));
    book.gameStarted();
    book.gameEnded(Outcome::Won);
    EXPECT_EQ(book.totals().streak, 1);
    book.gameStarted();
    book.gameStarted(); // the game in play is left: the run of wins ends
    EXPECT_EQ(book.totals().streak, 0);
    book.gameEnded(Outcome::LostOnTime);
    const Statistics& s = book.totals();
    EXPECT_EQ(s.started, 7);
    EXPECT_EQ(s.won, 4);
    EXPECT_EQ(s.givenUp, 1);
    EXPECT_EQ(s.lostOnTime, 1);
    EXPECT_EQ(s.streak, 0);
    EXPECT_EQ(s.longestStreak, 3);
}

TEST(Statistics, LeavingAGameEndsTheRunOfWinsButCountsNoEnd) {
    StatisticsBook book;
    book.gameStarted();
    book.gameEnded(Outcome::Won);
    book.gameLeft(); // nothing in play: the run stays
    EXPECT_EQ(book.totals().streak, 1);
    book.gameStarted();
    book.gameLeft();
    EXPECT_FALSE(book.inPlay());
    EXPECT_FALSE(book.gameEnded(Outcome::Won)); // an opened game already over
    EXPECT_EQ(book.totals().streak, 0);
    EXPECT_EQ(book.totals().longestStreak, 1);
    EXPECT_EQ(book.totals().won + book.totals().givenUp + book.totals().lostOnTime, 1);
}

TEST(Statistics, TimesOfWinsPerLevelGiveBestAndAverage) {
    StatisticsBook book;
    for (long long seconds : {95LL, 60LL, 126LL, 61LL}) {
        book.gameStarted();
        book.gameEnded(Outcome::Won, 1, seconds);
    }
    book.gameStarted();
    book.gameEnded(Outcome::Won); // an opened game: no time of its own
    book.gameStarted();
    book.gameEnded(Outcome::LostOnTime, 1, 10); // a loss is no time to beat
    const LevelTimes& t = book.totals().levels[1];
    EXPECT_EQ(t.wins, 4);
    EXPECT_EQ(t.bestSeconds, 60);
    EXPECT_EQ(averageSeconds(t), 86); // 342 / 4 = 85.5 rounds up
    EXPECT_EQ(averageSeconds(book.totals().levels[0]), std::nullopt);
    EXPECT_EQ(durationText(0), "0:00");
    EXPECT_EQ(durationText(59), "0:59");
    EXPECT_EQ(durationText(60), "1:00");
    EXPECT_EQ(durationText(3599), "59:59");
    EXPECT_EQ(durationText(3723), "1:02:03");
}

TEST_F(StatisticsFile, EveryChangeIsWrittenAndReadBack) {
    {
        StatisticsBook book(file()); // its folder does not exist yet
        book.gameStarted();
        book.hintUsed();
        book.hintUsed(2);
        book.gameEnded(Outcome::Won, 2, 300);
    }
    Statistics expected;
    expected.started = 1;
    expected.won = 1;
    expected.hints = 3;
    expected.streak = 1;
    expected.longestStreak = 1;
    expected.levels[2] = {1, 300, 300};
    EXPECT_EQ(reread(), expected);
    StatisticsBook again(file());
    EXPECT_EQ(again.totals(), expected);
    EXPECT_TRUE(again.setAsideAs().empty());

    again.reset();
    EXPECT_EQ(reread(), Statistics{});
}

TEST_F(StatisticsFile, ResetDuringAGameKeepsThatGameCountable) {
    StatisticsBook book(file());
    book.gameStarted();
    book.reset();
    EXPECT_TRUE(book.gameEnded(Outcome::Won));
    EXPECT_EQ(book.totals().started, 1);
    EXPECT_EQ(book.totals().won, 1);
}

TEST_F(StatisticsFile, ADamagedFileIsSetAsideAndCountingStartsAfresh) {
    const std::string damaged[] = {
        "",                                           // cut off before anything was written
        "smekalia statistics 1\nstarted 5\nwon\n",    // a value missing
        "smekalia statistics 1\nstarted -3\n",        // negative
        "smekalia statistics 1\nstarted 99999999999\n", // beyond any count
        "smekalia statistics 1\nstarted 5x\n",
        "started 5\n",                                // no header
        std::string("smekalia statistics 1\nwon \0\x01\x02", 29),
    };
    for (const std::string& content : damaged) {
        put(file(), content);
        StatisticsBook book(file());
        EXPECT_EQ(book.totals(), Statistics{}) << content;
        ASSERT_FALSE(book.setAsideAs().empty()) << content;
        EXPECT_EQ(readTextFile(book.setAsideAs()).content, content); // kept byte for byte
        EXPECT_FALSE(fs::exists(file()));
        book.gameStarted(); // and the fresh record is written
        EXPECT_EQ(reread().started, 1);
    }
    // Each damaged file kept its own name beside the record.
    EXPECT_TRUE(fs::exists(file().string() + ".damaged"));
    EXPECT_TRUE(fs::exists(file().string() + ".damaged-7"));
}

TEST_F(StatisticsFile, ToleratesCrLfBlankLinesAndCountsOfALaterEdition) {
    put(file(), "smekalia statistics 1\r\nstarted 4\r\n\r\nhints_per_theme 9\r\nwon 2\r\n");
    StatisticsBook book(file());
    EXPECT_TRUE(book.setAsideAs().empty());
    EXPECT_EQ(book.totals().started, 4);
    EXPECT_EQ(book.totals().won, 2);
}

TEST_F(StatisticsFile, AFolderThatCannotBeWrittenLeavesTheCountsInMemory) {
    put(dir / "share", "a file where the folder should be");
    StatisticsBook book(file());
    book.gameStarted();
    book.gameEnded(Outcome::GivenUp);
    EXPECT_EQ(book.totals().givenUp, 1);
}

} // namespace
