// SPDX-License-Identifier: GPL-3.0-or-later
// Level tables and board building.
#include "Helpers.h"

#include <set>

using namespace smek::slovolov;
using namespace smek::slovolov::test;

TEST(Levels, TablesAndGeometry) {
    EXPECT_EQ(cellSizeFor(tabGrid[0]), 40);
    EXPECT_EQ(cellSizeFor(tabGrid[1]), 26);
    EXPECT_EQ(cellSizeFor(tabGrid[2]), 20);
    EXPECT_EQ(boardEdge(0), 405);
    EXPECT_EQ(boardEdge(1), 395);
    EXPECT_EQ(boardEdge(2), 405);
    for (int k = 0; k <= 14; ++k) EXPECT_EQ(tabLen[2][static_cast<size_t>(k)], 19 - k);
    EXPECT_EQ(tabLen[1][11], 3);
    EXPECT_EQ(tabLen[0][5], 3);
}

// Seed 20240601, level 0, the fixture word folder: words with their records,
// and the board row by row ("+" when column 0 of the row holds a word letter).
static const char* EXPECTED_WORDS =
    "АВТОМАТ 6 1 0 1 0 2\n"
    "АМУЛЕТ 5 8 5 3 1 2\n"
    "АГЕНТ 7 2 7 6 1 0\n"
    "АЙВА 3 6 3 3 1 2\n"
    "АИСТ 5 0 8 0 0 0\n"
    "БАС 9 8 9 6 1 2\n";
static const char* EXPECTED_ROWS =
    "ФБЬЁИАИСТЧ-\n"
    "ТАМОТВАИЙУ+\n"
    "АИМЁЪФЧАЗП-\n"
    "ГЦЬААТПГЁИ-\n"
    "ДСБВЙЕЦЕПЦ-\n"
    "ГВЩЙЧЛФНИЗ-\n"
    "ИЙЦАХУШТЬС-\n"
    "ЩЪВЫЛМЬЕЗА-\n"
    "ЬББЁТАЫЮИБ-\n"
    "ОШМФИУАЫЬЦ-\n";

TEST(Board, ExactBoardForAFixedSeed) {
    BuildResult r;
    GameState g = built(0, 20240601, wordsDir(), &r);
    ASSERT_EQ(r.status, BuildResult::Status::Ok);
    std::string rows;
    for (int y = 0; y <= g.GridMax; ++y) {
        for (int x = 0; x <= g.GridMax; ++x) rows += smek::cp1251ToUtf8(std::string(1, smek::letterAt(std::abs(g.Grid(x, y)))));
        rows += g.Grid(0, y) > 0 ? "+" : "-"; // whether column 0 holds a word letter
        rows += "\n";
    }
    std::string words;
    for (int i = 0; i <= g.NumWords; ++i) {
        words += smek::cp1251ToUtf8(g.Slova[static_cast<size_t>(i)]);
        for (int f : g.Recs[static_cast<size_t>(i)]) words += " " + std::to_string(f);
        words += "\n";
    }
    EXPECT_EQ(words, EXPECTED_WORDS);
    EXPECT_EQ(rows, EXPECTED_ROWS);
}

class BoardInvariants : public ::testing::TestWithParam<int> {};

TEST_P(BoardInvariants, ManySeeds) {
    const int level = GetParam();
    for (std::uint64_t seed = 1; seed <= 150; ++seed) {
        BuildResult r;
        const GameState g = built(level, seed * 7919, level == 0 ? wordsDir() : shippedDir(), &r);
        ASSERT_EQ(r.status, BuildResult::Status::Ok) << seed;
        EXPECT_EQ(g.Remain, g.NumWords);
        int wordCells = 0;
        std::set<std::pair<int, int>> taken;
        for (int i = 0; i <= g.NumWords; ++i) {
            const auto& rec = g.Recs[static_cast<size_t>(i)];
            const int L = g.wordLength(i);
            ASSERT_EQ(static_cast<int>(g.Slova[static_cast<size_t>(i)].size()), L);
            // Readable from its record, first letter at fields 0/1, last at 2/3.
            EXPECT_EQ(readWord(g, i), g.Slova[static_cast<size_t>(i)]) << seed << " word " << i;
            const auto& step = tabDir[static_cast<size_t>(rec[4])];
            const int sgn = rec[5] == 0 ? 1 : -1;
            EXPECT_EQ(rec[2] - rec[0], sgn * (L - 1) * step[0]);
            EXPECT_EQ(rec[3] - rec[1], sgn * (L - 1) * step[1]);
            for (const Cell& c : g.wordCells(i)) {
                EXPECT_TRUE(taken.insert({c.x, c.y}).second) << "shared cell, seed " << seed;
                EXPECT_GT(g.Grid(c.x, c.y), 0);
                // Never in the last column or row the word runs towards.
                if (step[0]) { EXPECT_LT(c.x, g.GridMax); }
                if (step[1]) { EXPECT_LT(c.y, g.GridMax); }
            }
            wordCells += L;
        }
        int positive = 0;
        for (int v : g.cells) {
            EXPECT_NE(v, 0);
            EXPECT_NE(v, -33) << "Я as a filler";
            EXPECT_GE(v, -32);
            positive += v > 0;
        }
        EXPECT_EQ(positive, wordCells);
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, BoardInvariants, ::testing::Values(0, 1, 2));

TEST(Board, DirectionsAndReadingBothWaysOccur) {
    std::set<int> dirs, revs;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        const GameState g = built(1, seed, shippedDir());
        for (const auto& rec : g.Recs) {
            dirs.insert(rec[4]);
            revs.insert(rec[5]);
        }
    }
    EXPECT_EQ(dirs, (std::set<int>{0, 1, 2}));
    EXPECT_EQ(revs, (std::set<int>{0, 2}));
}

TEST(Board, LongestWordOnLevel2StartsAtTheEdge) {
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        const GameState g = built(2, seed, shippedDir());
        const auto& rec = g.Recs[0];
        const int f = rec[5];
        const int sx = rec[static_cast<size_t>(f)], sy = rec[static_cast<size_t>(f + 1)];
        if (rec[4] != 1) { EXPECT_EQ(sx, 0); }
        if (rec[4] != 0) { EXPECT_EQ(sy, 0); }
    }
}

TEST(Board, CappedDrawsStartTheBoardAgain) {
    GameState g;
    g.settings.Level = 2;
    resetForNewGame(g);
    smek::Random random(5);
    BuildLimits limits;
    limits.drawsPerWord = 5; // with five draws a slot soon finds no room
    const BuildResult r = buildBoard(g, shippedDir(), random, limits);
    ASSERT_EQ(r.status, BuildResult::Status::Ok);
    EXPECT_GT(r.restarts, 0);
    for (int i = 0; i <= g.NumWords; ++i) EXPECT_EQ(readWord(g, i), g.Slova[static_cast<size_t>(i)]);
}

TEST(Board, BoundsRunOutWithoutHanging) {
    GameState g;
    g.settings.Level = 2;
    resetForNewGame(g);
    smek::ScriptedRandom random({0.0}); // always the same cell: the second word never fits
    BuildLimits limits;
    limits.drawsPerWord = 10;
    limits.restarts = 3;
    const BuildResult r = buildBoard(g, shippedDir(), random, limits);
    EXPECT_EQ(r.status, BuildResult::Status::NoRoom);
}

TEST(Board, MissingLengthStopsAtThatSlot) {
    TempFolder dir;
    for (int L = 4; L <= 7; ++L) dir.write("w." + std::to_string(L), "1\r\n" + std::string(static_cast<size_t>(L), '\xC0') + "\r\n");
    BuildResult r;
    const GameState g = built(0, 3, dir.pathData(), &r);
    EXPECT_EQ(r.status, BuildResult::Status::NoDatabase);
    EXPECT_EQ(r.slotsFilled, 5); // the 3-letter slot is the last one
    EXPECT_EQ(g.Slova[4], "\xC0\xC0\xC0\xC0");
    EXPECT_TRUE(g.Slova[5].empty());
    for (int v : g.cells) EXPECT_GE(v, 0); // no filler drawn
}

TEST(Board, BadWordFilesAreLeftOut) {
    TempFolder dir;
    for (int L = 3; L <= 7; ++L)
        dir.write("good." + std::to_string(L), "1\r\n" + std::string(static_cast<size_t>(L), '\xC1') + "\r\n");
    dir.write("empty.3", "");
    dir.write("zero.3", "0\r\nКОТ\r\n");
    dir.write("neg.3", "-4\r\n");
    dir.write("long.3", smek::w1251("2\r\nКОТЫ\r\nСЛОНЫ\r\n"));
    dir.write("latin.3", "1\r\nCAT\r\n");
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        BuildResult r;
        const GameState g = built(0, seed, dir.pathData(), &r);
        ASSERT_EQ(r.status, BuildResult::Status::Ok);
        EXPECT_EQ(g.Slova[5], "\xC1\xC1\xC1");
        EXPECT_EQ(readWord(g, 5), g.Slova[5]);
    }
}

TEST(Board, OnlyBadFilesForALengthAreNotSuitable) {
    TempFolder dir;
    for (int L = 4; L <= 7; ++L)
        dir.write("good." + std::to_string(L), "1\r\n" + std::string(static_cast<size_t>(L), '\xC1') + "\r\n");
    dir.write("short.3", smek::w1251("1\r\nКО\r\n"));
    BuildResult r;
    built(0, 9, dir.pathData(), &r);
    EXPECT_EQ(r.status, BuildResult::Status::NotSuitable);
    EXPECT_EQ(r.file.filename().string(), "short.3");
    EXPECT_EQ(r.slotsFilled, 5);
}

TEST(WordPick, FewerWordsThanCountUsesTheLastOneRead) {
    TempFolder dir;
    dir.write("w.3", smek::w1251("50\r\nКОТ\r\nКИТ\r\n"));
    smek::ScriptedRandom random({0.99}); // k = 49
    const WordPick pick = pickWord(dir.path() / "w.3", 3, random);
    EXPECT_TRUE(pick.ok);
    EXPECT_EQ(pick.word, smek::w1251("КИТ"));
}

TEST(WordPick, DrawsAWordByItsPlace) {
    TempFolder dir;
    dir.write("w.3", smek::w1251("3\r\nКОТ\r\nКИТ\r\nЁЖИ\r\n"));
    smek::ScriptedRandom first({0.0}), last({0.7});
    EXPECT_EQ(pickWord(dir.path() / "w.3", 3, first).word, smek::w1251("КОТ"));
    EXPECT_EQ(pickWord(dir.path() / "w.3", 3, last).word, smek::w1251("ЁЖИ"));
    const WordPick missing = pickWord(dir.path() / "none.3", 3, first);
    EXPECT_TRUE(missing.unreadable);
}
