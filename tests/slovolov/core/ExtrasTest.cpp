// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard cursor, drag lines, the found counter and the printed sheet.
#include "Helpers.h"
#include "slovolov/core/Cursor.h"
#include "slovolov/core/Drag.h"
#include "slovolov/core/PrintSheet.h"
#include "slovolov/core/Progress.h"
#include "slovolov/core/SavedGame.h"

using namespace smek::slovolov;
using namespace smek::slovolov::test;

TEST(Cursor, ArrowsStopAtEveryEdge) {
    const int max = 9;
    EXPECT_EQ(moveCursor({0, 4}, CursorMove::Left, max), (Cell{0, 4}));
    EXPECT_EQ(moveCursor({9, 4}, CursorMove::Right, max), (Cell{9, 4}));
    EXPECT_EQ(moveCursor({4, 0}, CursorMove::Up, max), (Cell{4, 0}));
    EXPECT_EQ(moveCursor({4, 9}, CursorMove::Down, max), (Cell{4, 9}));
    EXPECT_EQ(moveCursor({8, 9}, CursorMove::Right, max), (Cell{9, 9}));
    EXPECT_EQ(moveCursor({1, 1}, CursorMove::Up, max), (Cell{1, 0}));
}

TEST(Cursor, HomeEndPageKeysReachTheLastRowAndColumn) {
    for (int max : {9, 14, 19}) {
        const Cell c{3, 5};
        EXPECT_EQ(moveCursor(c, CursorMove::FirstColumn, max), (Cell{0, 5}));
        EXPECT_EQ(moveCursor(c, CursorMove::LastColumn, max), (Cell{max, 5}));
        EXPECT_EQ(moveCursor(c, CursorMove::FirstRow, max), (Cell{3, 0}));
        EXPECT_EQ(moveCursor(c, CursorMove::LastRow, max), (Cell{3, max}));
    }
}

TEST(Cursor, ASmallerBoardPullsTheCursorIn) {
    EXPECT_EQ(clampCursor({19, 12}, 9), (Cell{9, 9}));
    EXPECT_EQ(clampCursor({4, 12}, 14), (Cell{4, 12}));
    EXPECT_EQ(clampCursor({-3, 2}, 9), (Cell{0, 2}));
    // A move on a board the cursor was outside of lands inside it.
    EXPECT_EQ(moveCursor({19, 19}, CursorMove::Left, 9), (Cell{9, 9}));
}

TEST(Cursor, CellCentreAndCellAtAgreeWithTheBoardClick) {
    for (int level : {0, 1, 2}) {
        GameState g = built(level, 21);
        const Cell last{g.GridMax, g.GridMax};
        const Pixel p = cellCentre(g, last);
        EXPECT_EQ(cellAt(g, p.x, p.y), last);
        // The last pixel of the last cell, and one beyond it.
        const int end = (g.GridMax + 1) * g.CellSize;
        EXPECT_EQ(cellAt(g, end - 1, end - 1), last);
        EXPECT_EQ(cellAt(g, end, 0), std::nullopt);
        // The sunken border's pixels count as the first cell, as for a click.
        EXPECT_EQ(cellAt(g, -1, -2), (Cell{0, 0}));
        EXPECT_EQ(cellAt(g, -g.CellSize, 0), std::nullopt);
    }
}

TEST(Drag, RowsColumnsAndBothDiagonalsEitherWay) {
    EXPECT_EQ(dragPath({2, 3}, {5, 3}), (std::vector<Cell>{{2, 3}, {3, 3}, {4, 3}, {5, 3}}));
    EXPECT_EQ(dragPath({5, 3}, {3, 3}), (std::vector<Cell>{{5, 3}, {4, 3}, {3, 3}}));
    EXPECT_EQ(dragPath({1, 4}, {1, 2}), (std::vector<Cell>{{1, 4}, {1, 3}, {1, 2}}));
    EXPECT_EQ(dragPath({1, 1}, {3, 3}), (std::vector<Cell>{{1, 1}, {2, 2}, {3, 3}}));
    EXPECT_EQ(dragPath({3, 3}, {1, 1}), (std::vector<Cell>{{3, 3}, {2, 2}, {1, 1}}));
    EXPECT_EQ(dragPath({4, 4}, {4, 4}), (std::vector<Cell>{{4, 4}}));
    // The up-right diagonal, where own puzzles may hide words.
    EXPECT_EQ(dragPath({1, 3}, {3, 1}), (std::vector<Cell>{{1, 3}, {2, 2}, {3, 1}}));
    EXPECT_EQ(dragPath({3, 1}, {1, 3}), (std::vector<Cell>{{3, 1}, {2, 2}, {1, 3}}));
    // A drag of one cell, the shortest step in each direction.
    EXPECT_EQ(dragPath({4, 4}, {5, 4}), (std::vector<Cell>{{4, 4}, {5, 4}}));
    EXPECT_EQ(dragPath({4, 4}, {3, 4}), (std::vector<Cell>{{4, 4}, {3, 4}}));
    EXPECT_EQ(dragPath({4, 4}, {4, 5}), (std::vector<Cell>{{4, 4}, {4, 5}}));
    EXPECT_EQ(dragPath({4, 4}, {4, 3}), (std::vector<Cell>{{4, 4}, {4, 3}}));
    EXPECT_EQ(dragPath({4, 4}, {3, 5}), (std::vector<Cell>{{4, 4}, {3, 5}}));
}

TEST(Drag, OffTheLinesOnlyTheStartIsLit) {
    // A knight's move, or any slope but a diagonal's, holds no word.
    EXPECT_FALSE(onWordLine({0, 0}, {2, 1}));
    EXPECT_EQ(dragPath({0, 0}, {2, 1}), (std::vector<Cell>{{0, 0}}));
    EXPECT_EQ(dragPath({4, 0}, {1, 2}), (std::vector<Cell>{{4, 0}}));
}

TEST(Drag, EveryPlacedWordLiesOnAWordLine) {
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        GameState g = built(2, seed);
        for (int i = 0; i <= g.NumWords; ++i) {
            const auto& r = g.Recs[static_cast<size_t>(i)];
            const std::vector<Cell> path = dragPath({r[0], r[1]}, {r[2], r[3]});
            ASSERT_EQ(static_cast<int>(path.size()), g.wordLength(i));
            std::vector<Cell> cells = g.wordCells(i);
            if (r[5] == 2) std::reverse(cells.begin(), cells.end());
            EXPECT_EQ(path, cells);
        }
    }
}

TEST(Progress, CountsFoundWordsOfAllHidden) {
    GameState g = built(1, 5);
    EXPECT_EQ(foundCounter(g), "Найдено: 0 из 12");
    g.Found[0] = g.Found[4] = g.Found[11] = 1;
    EXPECT_EQ(foundCounter(g), "Найдено: 3 из 12");
    std::fill(g.Found.begin(), g.Found.end(), 1);
    EXPECT_EQ(foundCounter(g), "Найдено: 12 из 12");
}

TEST(PrintSheet, ADealtBoardPrintsAsItIs) {
    const GameState g = built(0, 9);
    const PrintSheet s = printSheet(g);
    EXPECT_EQ(s.GridMax, 9);
    EXPECT_EQ(s.words, g.Slova);
    ASSERT_EQ(s.answers.size(), 6u);
    EXPECT_EQ(s.answers[2].first, (Cell{g.Recs[2][0], g.Recs[2][1]}));
    EXPECT_EQ(s.answers[2].last, (Cell{g.Recs[2][2], g.Recs[2][3]}));
    for (int x = 0; x <= 9; ++x)
        for (int y = 0; y <= 9; ++y) EXPECT_EQ(s.letter(x, y), std::abs(g.Grid(x, y)));
}

TEST(PrintSheet, FoundAndRefilledWordsGetTheirLettersBack) {
    GameState g = built(0, 10);
    const PrintSheet dealt = printSheet(g);
    smek::Random random(4);
    for (int i : {0, 3}) {
        ASSERT_EQ(boardClick(g, g.Recs[i][0] * 40 + 20, g.Recs[i][1] * 40 + 20).kind, ClickResult::Kind::Marked);
        ASSERT_EQ(boardClick(g, g.Recs[i][2] * 40 + 20, g.Recs[i][3] * 40 + 20).kind, ClickResult::Kind::Found);
    }
    NewBukvy(g, random); // word 3's cells hold new filler letters now
    EXPECT_EQ(printSheet(g).letters, dealt.letters);
    // Giving up or a loss empties the fillers on the board, never on paper.
    clearFillers(g);
    EXPECT_EQ(printSheet(g).letters, dealt.letters);
}

TEST(PrintSheet, AnOpenedGamePrintsAsOpened) {
    GameState g = built(0, 11);
    clearFillers(g); // saved after giving up
    const auto loaded = parseSlv(slvText(g));
    ASSERT_TRUE(loaded);
    GameState opened;
    applyLoaded(opened, *loaded);
    ASSERT_EQ(boardClick(opened, g.Recs[0][0] * 40 + 20, g.Recs[0][1] * 40 + 20).kind, ClickResult::Kind::Marked);
    ASSERT_EQ(boardClick(opened, g.Recs[0][2] * 40 + 20, g.Recs[0][3] * 40 + 20).kind, ClickResult::Kind::Found);
    std::vector<int> asOpened; // the given-up board, its words' letters in place
    for (int v : loaded->cells) asOpened.push_back(std::abs(v));
    EXPECT_EQ(printSheet(opened).letters, asOpened);
}
