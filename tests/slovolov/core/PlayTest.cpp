// SPDX-License-Identifier: GPL-3.0-or-later
// Board clicks; clock, refill and giving up.
#include "Helpers.h"
#include "slovolov/core/SavedGame.h"

using namespace smek::slovolov;
using namespace smek::slovolov::test;

namespace {

// The pixel in the middle of a cell.
ClickResult clickCell(GameState& g, Cell c) {
    return boardClick(g, c.x * g.CellSize + g.CellSize / 2, c.y * g.CellSize + g.CellSize / 2);
}
Cell first(const GameState& g, int i) { return {g.Recs[static_cast<size_t>(i)][0], g.Recs[static_cast<size_t>(i)][1]}; }
Cell last(const GameState& g, int i) { return {g.Recs[static_cast<size_t>(i)][2], g.Recs[static_cast<size_t>(i)][3]}; }

// A filler cell that is not next to anything in particular.
Cell someFiller(const GameState& g) {
    for (int y = 0; y <= g.GridMax; ++y)
        for (int x = 0; x <= g.GridMax; ++x)
            if (g.Grid(x, y) < 0) return {x, y};
    return {-1, -1};
}

} // namespace

TEST(Click, FirstThenLastLetterFindsTheWord) {
    GameState g = built(0, 11);
    auto r = clickCell(g, first(g, 2));
    EXPECT_EQ(r.kind, ClickResult::Kind::Marked);
    EXPECT_EQ(r.mark, first(g, 2));
    EXPECT_FALSE(r.unmarked);
    EXPECT_EQ(g.Marked, 1);
    r = clickCell(g, last(g, 2));
    ASSERT_EQ(r.kind, ClickResult::Kind::Found);
    EXPECT_EQ(r.word, 2);
    EXPECT_EQ(r.cleared, g.wordCells(2));
    for (const Cell& c : r.cleared) EXPECT_EQ(g.Grid(c.x, c.y), 0);
    EXPECT_EQ(g.Remain, g.NumWords - 1);
    EXPECT_EQ(g.Found[2], 1);
    EXPECT_EQ(g.LastFound, 2);
    EXPECT_EQ(g.Marked, 0);
    EXPECT_FALSE(r.won);
}

TEST(Click, ReverseOrderDoesNotMatchAndMovesTheMark) {
    GameState g = built(0, 12);
    clickCell(g, last(g, 0));
    auto r = clickCell(g, first(g, 0));
    EXPECT_EQ(r.kind, ClickResult::Kind::Marked);
    EXPECT_TRUE(r.unmarked);
    EXPECT_EQ(r.oldMark, last(g, 0));
    EXPECT_EQ(r.mark, first(g, 0));
    EXPECT_EQ(g.Remain, g.NumWords);
    r = clickCell(g, last(g, 0));
    EXPECT_EQ(r.kind, ClickResult::Kind::Found);
}

TEST(Click, MissMovesTheMark) {
    GameState g = built(0, 13);
    const Cell filler = someFiller(g);
    clickCell(g, first(g, 1));
    const auto r = clickCell(g, filler);
    EXPECT_EQ(r.kind, ClickResult::Kind::Marked);
    EXPECT_TRUE(r.unmarked);
    EXPECT_EQ(r.oldMark, first(g, 1));
    EXPECT_EQ(g.MarkX, filler.x);
    EXPECT_EQ(g.MarkY, filler.y);
}

TEST(Click, MarkedCellEmptyCellAndOutsideAreIgnored) {
    GameState g = built(0, 14);
    clickCell(g, first(g, 3));
    EXPECT_EQ(clickCell(g, first(g, 3)).kind, ClickResult::Kind::Ignored);
    EXPECT_EQ(g.Marked, 1);
    EXPECT_EQ(boardClick(g, 400, 5).kind, ClickResult::Kind::Ignored);
    EXPECT_EQ(boardClick(g, 5, 450).kind, ClickResult::Kind::Ignored);
    // Find word 0, then its empty cells take no clicks, with and without a mark.
    clickCell(g, first(g, 0));
    clickCell(g, last(g, 0));
    const Cell empty = first(g, 0);
    EXPECT_EQ(clickCell(g, empty).kind, ClickResult::Kind::Ignored);
    clickCell(g, first(g, 1));
    EXPECT_EQ(clickCell(g, empty).kind, ClickResult::Kind::Ignored);
    EXPECT_EQ(g.MarkX, first(g, 1).x);
}

TEST(Click, RefilledWordIsNotFoundAgain) {
    GameState g = built(0, 15);
    clickCell(g, first(g, 4));
    clickCell(g, last(g, 4));
    smek::Random random(99);
    const auto cells = NewBukvy(g, random);
    EXPECT_EQ(cells, g.wordCells(4));
    for (const Cell& c : cells) {
        EXPECT_LT(g.Grid(c.x, c.y), 0);
        EXPECT_GE(g.Grid(c.x, c.y), -32);
    }
    const int remain = g.Remain;
    EXPECT_EQ(clickCell(g, first(g, 4)).kind, ClickResult::Kind::Marked);
    const auto r = clickCell(g, last(g, 4));
    EXPECT_EQ(r.kind, ClickResult::Kind::Marked);
    EXPECT_EQ(g.Remain, remain);
}

TEST(Click, QuickFindsAreAllRefilledOnce) {
    GameState g = built(0, 16);
    for (int i : {0, 1, 2}) {
        clickCell(g, first(g, i));
        clickCell(g, last(g, i));
    }
    smek::Random random(1);
    const auto cells = NewBukvy(g, random);
    for (int i : {0, 1, 2})
        for (const Cell& c : g.wordCells(i)) EXPECT_LT(g.Grid(c.x, c.y), 0) << "word " << i;
    EXPECT_EQ(cells.size(), g.wordCells(0).size() + g.wordCells(1).size() + g.wordCells(2).size());
    // Each find is refilled by the expiry after it, not again by a later one.
    const std::vector<int> before = g.cells;
    EXPECT_TRUE(NewBukvy(g, random).empty());
    EXPECT_EQ(g.cells, before);
    clickCell(g, first(g, 3));
    clickCell(g, last(g, 3));
    EXPECT_EQ(NewBukvy(g, random).size(), g.wordCells(3).size());
    for (const Cell& c : g.wordCells(0)) EXPECT_EQ(g.Grid(c.x, c.y), before[static_cast<size_t>(c.x * 10 + c.y)]);
}

TEST(Click, ANewBoardForgetsTheFindsAwaitingRefill) {
    GameState g = built(0, 16);
    clickCell(g, first(g, 0));
    clickCell(g, last(g, 0));
    resetForNewGame(g);
    smek::Random random(1);
    EXPECT_TRUE(NewBukvy(g, random).empty());
}

TEST(Click, LastWordWins) {
    GameState g = built(1, 17, shippedDir());
    for (int i = g.NumWords; i >= 0; --i) {
        clickCell(g, first(g, i));
        const auto r = clickCell(g, last(g, i));
        ASSERT_EQ(r.kind, ClickResult::Kind::Found);
        EXPECT_EQ(r.won, i == 0);
    }
    EXPECT_EQ(g.Remain, -1);
}

TEST(Click, FindInAnEndedGameKeepsItEnded) {
    // An opened game that was lost by time: Remain -1 with words left.
    GameState g = built(0, 18);
    g.Remain = -1;
    clickCell(g, first(g, 0));
    const auto r = clickCell(g, last(g, 0));
    ASSERT_EQ(r.kind, ClickResult::Kind::Found);
    EXPECT_FALSE(r.won);
    EXPECT_EQ(g.Remain, -1);
    EXPECT_TRUE(parseSlv(slvText(g))); // what the game writes loads again
}

TEST(Clock, FiveSecondsCountDownThenTimeIsUp) {
    GameState g;
    g.OstMin = 0;
    g.OstSec = 5;
    EXPECT_EQ(timerCaption(g.OstMin, g.OstSec), "00:05");
    std::vector<std::string> shown;
    for (int tick = 1; tick <= 5; ++tick) {
        ASSERT_FALSE(NewTime(g));
        shown.push_back(timerCaption(g.OstMin, g.OstSec));
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"00:04", "00:03", "00:02", "00:01", "00:00"}));
    EXPECT_TRUE(NewTime(g)); // the sixth tick
}

TEST(Clock, OneMinuteShowsFiftyNineAfterOneTick) {
    GameState g;
    g.OstMin = 1;
    g.OstSec = 0;
    EXPECT_EQ(timerCaption(1, 0), "01:00");
    EXPECT_FALSE(NewTime(g));
    EXPECT_EQ(timerCaption(g.OstMin, g.OstSec), "00:59");
    EXPECT_EQ(timerCaption(3, 5), "03:05");
    EXPECT_EQ(timerCaption(59, 59), "59:59");
}

TEST(GiveUp, FillersVanishThenTheRestCanBeWon) {
    GameState g = built(0, 18);
    clickCell(g, first(g, 2));
    clickCell(g, last(g, 2));
    const auto cleared = clearFillers(g);
    EXPECT_FALSE(cleared.empty());
    for (size_t k = 1; k < cleared.size(); ++k) // row by row
        EXPECT_TRUE(cleared[k - 1].y < cleared[k].y || (cleared[k - 1].y == cleared[k].y && cleared[k - 1].x < cleared[k].x));
    int letters = 0;
    for (int v : g.cells) {
        EXPECT_GE(v, 0);
        letters += v > 0;
    }
    EXPECT_EQ(letters, 7 + 6 + 4 + 4 + 3); // every word but the 5-letter one
    EXPECT_EQ(g.Remain, g.NumWords - 1);
    ClickResult r;
    for (int i = 0; i <= g.NumWords; ++i) {
        if (i == 2) continue;
        clickCell(g, first(g, i));
        r = clickCell(g, last(g, i));
        ASSERT_EQ(r.kind, ClickResult::Kind::Found);
    }
    EXPECT_TRUE(r.won);
}
