// SPDX-License-Identifier: GPL-3.0-or-later
// The word-search page: the board as dealt, each word's first and last
// letter, the same bytes for the same board, and the size of the largest.
#include "Helpers.h"
#include "slovolov/core/WebPage.h"

#include "common/web/WebPage.h"

#include <gtest/gtest.h>
#include <regex>
#include <set>

namespace smek::slovolov::test {
namespace {

std::string gridOf(const std::string& page) {
    std::smatch m;
    EXPECT_TRUE(std::regex_search(page, m, std::regex("\"grid\":\"([^\"]*)\"")));
    return smek::utf8ToCp1251(m[1].str());
}

TEST(WebPage, TheDealtBoardRowByRowWithEachWordsEnds) {
    GameState g = built(0, 5);
    // Я, the alphabet's last letter, in the first cell no word uses.
    std::set<std::pair<int, int>> used;
    for (int i = 0; i <= g.NumWords; ++i)
        for (const Cell& c : g.wordCells(i)) used.insert({c.x, c.y});
    for (int k = 0;; ++k)
        if (!used.count({k / 10, k % 10})) {
            g.cells[static_cast<size_t>(k)] = g.dealt[static_cast<size_t>(k)] = 33;
            break;
        }
    const std::string page = webPage(g, 0);
    const std::string grid = gridOf(page);
    ASSERT_EQ(grid.size(), 100u);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(grid[static_cast<size_t>(y * 10 + x)], smek::letterAt(std::abs(g.Grid(x, y))));
    // A word runs from "a" (its first letter) to "b" (its last) on the page.
    std::regex entry("\\{\"w\":\"([^\"]+)\",\"a\":\\[(\\d+),(\\d+)\\],\"b\":\\[(\\d+),(\\d+)\\]\\}");
    int i = 0;
    for (std::sregex_iterator m(page.begin(), page.end(), entry), end; m != end; ++m, ++i) {
        const auto& r = g.Recs[static_cast<size_t>(i)];
        EXPECT_EQ(smek::utf8ToCp1251((*m)[1].str()), readWord(g, i));
        EXPECT_EQ(std::stoi((*m)[2].str()), r[0]);
        EXPECT_EQ(std::stoi((*m)[3].str()), r[1]);
        EXPECT_EQ(std::stoi((*m)[4].str()), r[2]);
        EXPECT_EQ(std::stoi((*m)[5].str()), r[3]);
    }
    EXPECT_EQ(i, 6);
    EXPECT_NE(page.find("\"clock\":0,"), std::string::npos);
    EXPECT_NE(page.find("<title>Словолов</title>"), std::string::npos);
    // An own puzzle's title heads its page.
    g.title = "Осень <в лесу>";
    EXPECT_NE(webPage(g, 0).find("<title>Осень &lt;в лесу&gt;</title>"), std::string::npos);
}

TEST(WebPage, FoundWordsAndRefillsLeaveThePageAsDealt) {
    GameState g = built(1, 9);
    const std::string before = webPage(g, 90);
    for (const Cell& c : g.wordCells(0)) g.Grid(c.x, c.y) = 0;
    g.Found[0] = 1;
    EXPECT_EQ(webPage(g, 90), before);
    EXPECT_NE(before.find("\"clock\":90,"), std::string::npos);
    EXPECT_NE(webPage(g, 0), before) << "a page with a clock is another puzzle";
}

TEST(WebPage, AnOpenedGameWithEmptyCellsBecomesAWholePuzzleAgain) {
    GameState g = built(0, 5);
    const std::string whole = gridOf(webPage(g, 0));
    // As a saved game opens after a find and a give-up: its cells are the board.
    for (const Cell& c : g.wordCells(1)) g.Grid(c.x, c.y) = 0;
    g.Found[1] = 1;
    clearFillers(g);
    g.dealt = g.cells;
    const std::string page = webPage(g, 0);
    const std::string grid = gridOf(page);
    ASSERT_EQ(grid.size(), whole.size());
    for (int i = 0; i < 6; ++i)
        for (const Cell& c : g.wordCells(i))
            EXPECT_EQ(grid[static_cast<size_t>(c.y * 10 + c.x)], whole[static_cast<size_t>(c.y * 10 + c.x)]);
    for (char c : grid) EXPECT_TRUE(smek::letterPosition(c) >= 1 && smek::letterPosition(c) <= 32) << int(c);
    EXPECT_EQ(page, webPage(g, 0));
}

TEST(WebPage, SameBoardSameBytesAndTheLargestWithinTheLimit) {
    const std::string a = webPage(built(2, 21, shippedDir()), 600);
    EXPECT_EQ(a, webPage(built(2, 21, shippedDir()), 600));
    EXPECT_NE(a, webPage(built(2, 22, shippedDir()), 600));
    EXPECT_LE(a.size(), web::kMaxPageBytes);
}

} // namespace
} // namespace smek::slovolov::test
