// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameInPlay.h"
#include "TempFolder.h"
#include "bukvoklad/core/Hint.h"
#include "bukvoklad/core/NewGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace smek;
using namespace smek::bukvoklad;

namespace {

using test::inPlay;

long hintsUsed(const Game& game) {
    return std::count(game.board.opened.begin(), game.board.opened.end(), true);
}

std::vector<int> sorted(std::vector<int> v) {
    std::sort(v.begin(), v.end());
    return v;
}

// The cells the typed text takes on the game's board.
using V = std::vector<bool>;
V use(const Game& game, const char* typed) { return cellsInUse(game.board, game.Slovo, w1251(typed)); }

} // namespace

TEST(Hint, OpensEachLetterInItsCellNeverAShownOneNorTheLast) {
    Random random(5);
    for (int round = 0; round < 200; ++round) {
        Game game = inPlay("КОРОВА", shuffleOrder(6, random));
        std::set<int> opened;
        while (canHint(game)) {
            const int p = Podskazka(game, random);
            ASSERT_GE(p, 0);
            ASSERT_TRUE(opened.insert(p).second) << "opened twice: " << p;
            // Every opened letter stands in its own cell; the board stays a
            // permutation of the word.
            for (const int q : opened) ASSERT_EQ(game.board.cells[static_cast<size_t>(q)], q);
            ASSERT_EQ(sorted(game.board.cells), (std::vector<int>{0, 1, 2, 3, 4, 5}));
        }
        // Five of six opened: one letter is left for the player.
        EXPECT_EQ(hintsUsed(game), 5);
        EXPECT_EQ(Podskazka(game, random), -1);
        EXPECT_EQ(hintsUsed(game), 5);
    }
}

TEST(Hint, ChoiceIsUniformAmongClosedPositions) {
    Random random(17);
    Board board = startBoard({3, 1, 0, 2});
    openPosition(board, 1);
    std::map<int, int> seen;
    for (int i = 0; i < 3000; ++i) ++seen[chooseHint(board, random)];
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen.count(1), 0u);
    for (const auto& [p, times] : seen) EXPECT_GT(times, 850) << p;
    // Scripted: u = 0.99 takes the last closed position.
    ScriptedRandom last({0.99});
    EXPECT_EQ(chooseHint(board, last), 3);
}

TEST(Hint, OpeningMovesOnlyTwoCellsAndKeepsEarlierHints) {
    Board board = startBoard({2, 0, 3, 1});
    openPosition(board, 3); // position 3 was in cell 2; cell 3 held position 1
    EXPECT_EQ(board.cells, (std::vector<int>{2, 0, 1, 3}));
    openPosition(board, 0);
    EXPECT_EQ(board.cells, (std::vector<int>{0, 2, 1, 3}));
    EXPECT_EQ(board.opened, (std::vector<bool>{true, false, false, true}));
}

TEST(Hint, NoneOutsidePlayAndCountKeptUntilTheNextGame) {
    Random random(1);
    Game game = inPlay("КОТ", {2, 1, 0});
    EXPECT_GE(Podskazka(game, random), 0);
    EXPECT_GE(Podskazka(game, random), 0);
    EXPECT_FALSE(canHint(game)); // the last letter is the player's
    EXPECT_EQ(hintsUsed(game), 2);

    // Won, revealed, without a word.
    Game won = inPlay("КОРОВА", {5, 4, 3, 2, 1, 0}), revealed = won, noWord = won;
    won.GameState = 0, revealed.KolBukv = 0, noWord.wordLoaded = false;
    EXPECT_EQ((std::vector{Podskazka(won, random), Podskazka(revealed, random), Podskazka(noWord, random)}),
              (std::vector{-1, -1, -1}));
    // A one-letter word (an edited database) has only its last letter.
    Game one = inPlay("Я", {0});
    EXPECT_FALSE(canHint(one));
}

TEST(Hint, NewGameStartsAFreshBoard) {
    TempFolder folder;
    folder.words("a.4", {"СЛОН"});
    Game game;
    game.PathData = folder.pathData();
    game.OptKolBukv = 4;
    Random random(8);
    const NewGameResult first = NewGame(game, random);
    EXPECT_EQ(game.board.cells, first.order);
    Podskazka(game, random);
    EXPECT_EQ(hintsUsed(game), 1);
    NewGame(game, random);
    EXPECT_EQ(hintsUsed(game), 0);
    // A failed start leaves no board behind.
    game.OptKolBukv = 7;
    NewGame(game, random);
    EXPECT_TRUE(game.board.cells.empty());
    EXPECT_FALSE(canHint(game));
}

TEST(Reshuffle, MovesOnlyClosedLettersNeverSpellingTheWordNorStandingStill) {
    Random random(23);
    Game game = inPlay("МАШИНА", {5, 4, 3, 2, 1, 0});
    openPosition(game.board, 2);
    openPosition(game.board, 4);
    std::set<std::vector<int>> orders;
    for (int i = 0; i < 2000; ++i) {
        const std::string before = shownLetters(game.board, game.Slovo);
        reshuffle(game.board, game.Slovo, random);
        ASSERT_EQ(game.board.cells[2], 2);
        ASSERT_EQ(game.board.cells[4], 4);
        ASSERT_EQ(sorted(game.board.cells), (std::vector<int>{0, 1, 2, 3, 4, 5}));
        const std::string after = shownLetters(game.board, game.Slovo);
        ASSERT_NE(after, game.Slovo);
        ASSERT_NE(after, before);
        orders.insert(game.board.cells);
    }
    // 4! orders of the four closed letters, less the two (А and А swapped)
    // that spell the word.
    EXPECT_EQ(orders.size(), 22u);
    EXPECT_EQ(hintsUsed(game), 2);
}

TEST(Reshuffle, StaysWhenNoOtherOrderIsLeft) {
    Random random(3);
    // КОТ with К opened shows К Т О: the only other order spells the word.
    Game last = inPlay("КОТ", {0, 2, 1});
    openPosition(last.board, 0);
    reshuffle(last.board, last.Slovo, random);
    EXPECT_EQ(last.board.cells, (std::vector<int>{0, 2, 1}));
    // All closed letters alike.
    Game alike = inPlay("ОКО", {2, 1, 0});
    openPosition(alike.board, 1);
    reshuffle(alike.board, alike.Slovo, random);
    EXPECT_EQ(shownLetters(alike.board, alike.Slovo), alike.Slovo);
    EXPECT_EQ(alike.board.opened, (std::vector<bool>{false, true, false}));
}

TEST(LettersInUse, EachTypedLetterTakesOneCellAndBackspaceGivesItBack) {
    // МАМА shown as А М А М.
    const Game game = inPlay("МАМА", {1, 0, 3, 2});
    EXPECT_EQ(use(game, ""), (V{false, false, false, false}));
    EXPECT_EQ(use(game, "м"), (V{false, true, false, false}));
    EXPECT_EQ(use(game, "МА"), (V{true, true, false, false}));
    EXPECT_EQ(use(game, "МАМ"), (V{true, true, false, true}));
    EXPECT_EQ(use(game, "МАМА"), (V{true, true, true, true}));
    // A letter beyond those on the board, or not on it at all, takes nothing.
    EXPECT_EQ(use(game, "МММ"), (V{false, true, false, true}));
    EXPECT_EQ(use(game, "К.Ё"), (V{false, false, false, false}));
    EXPECT_EQ(use(game, "МАМАА"), (V{true, true, true, true}));
}

TEST(LettersInUse, TypedEUsesAYoCell) {
    // ЁЛКА shown as К Ё А Л; Е or Ё typed takes the Ё cell, once.
    const Game game = inPlay("ЁЛКА", {2, 0, 3, 1});
    EXPECT_EQ(use(game, "е"), (V{false, true, false, false}));
    EXPECT_EQ(use(game, "Ё"), (V{false, true, false, false}));
    EXPECT_EQ(use(game, "ЕЕ"), (V{false, true, false, false}));
    EXPECT_EQ(use(game, "ЕЛКА"), (V{true, true, true, true}));
    EXPECT_EQ(use(game, "ОЛКА"), (V{true, false, true, true}));
    // ЕЩЁ shown as Ё Щ Е: each letter takes its own cell first, then the other.
    const Game both = inPlay("ЕЩЁ", {2, 1, 0});
    EXPECT_EQ(use(both, "Е"), (V{false, false, true}));
    EXPECT_EQ(use(both, "Ё"), (V{true, false, false}));
    EXPECT_EQ(use(both, "ЕЕ"), (V{true, false, true}));
}

TEST(LettersInUse, OpenedCellGoesToItsOwnPositionFirst) {
    // КОЛОС with the second О (position 3) opened: cells К О Л [О] С or so.
    Game game = inPlay("КОЛОС", {4, 3, 2, 1, 0});
    openPosition(game.board, 3);
    ASSERT_EQ(shownLetters(game.board, game.Slovo), w1251("СОЛОК"));
    // The first О typed is not at position 3: it takes the closed О in cell 1.
    EXPECT_EQ(use(game, "КО"), (V{false, true, false, false, true}));
    // An О typed at position 3 takes the opened cell.
    EXPECT_EQ(use(game, "КОЛО"), (V{false, true, true, true, true}));
    // A third О finds no cell left.
    EXPECT_EQ(use(game, "КОЛООО"), (V{false, true, true, true, true}));
    // О typed first of all while the closed О is gone still takes the opened one.
    EXPECT_EQ(use(game, "ОО"), (V{false, true, false, true, false}));
}
