// SPDX-License-Identifier: GPL-3.0-or-later
#include "TempFolder.h"
#include "bukvoklad/core/NewGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

using namespace smek;
using namespace smek::bukvoklad;
using Status = NewGameResult::Status;

namespace {

Game gameIn(const TempFolder& folder, int optKolBukv) {
    Game game;
    game.PathData = folder.pathData();
    game.OptKolBukv = optKolBukv;
    return game;
}

std::string shownLetters(const Game& game, const std::vector<int>& order) {
    std::string s;
    for (int p : order) s += game.Slovo[static_cast<size_t>(p)];
    return s;
}

} // namespace

TEST(ChooseLength, FixedCountsAreKeptOthersAreUniformFiveToNineteen) {
    Random random(7);
    for (int fixed : {3, 4, 12, 19}) EXPECT_EQ(chooseLength(fixed, random), fixed);
    // 20 and above only come from an edited file and would overrun the board.
    for (int randomCount : {0, 1, 2, -4, 20, 1000}) {
        std::map<int, int> seen;
        for (int i = 0; i < 3000; ++i) ++seen[chooseLength(randomCount, random)];
        ASSERT_EQ(seen.size(), 15u) << randomCount;
        EXPECT_EQ(seen.begin()->first, 5);
        EXPECT_EQ(seen.rbegin()->first, 19);
        for (const auto& [length, times] : seen) EXPECT_GT(times, 120) << length;
    }
}

TEST(ShuffleOrder, EveryPositionOnceAndEveryOrderPossible) {
    Random random(3);
    std::set<std::vector<int>> orders;
    for (int i = 0; i < 2000; ++i) {
        std::vector<int> order = shuffleOrder(4, random);
        orders.insert(order);
        std::sort(order.begin(), order.end());
        ASSERT_EQ(order, (std::vector<int>{0, 1, 2, 3}));
    }
    EXPECT_EQ(orders.size(), 24u);
    // A generator stuck on one value still gives a full permutation.
    ScriptedRandom stuck({0.0});
    EXPECT_EQ(shuffleOrder(5, stuck), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_TRUE(shuffleOrder(0, stuck).empty());
}

TEST(ScrambledOrder, TheBoardNeverSpellsAWordOfTwoDifferentLetters) {
    Random random(12);
    for (const char* utf8 : {"ХОР", "ЕДА", "МАМА", "ААБ"}) {
        Game game;
        game.Slovo = w1251(utf8);
        std::set<std::string> boards;
        for (int i = 0; i < 500; ++i) {
            const std::string shown = shownLetters(game, scrambledOrder(game.Slovo, random));
            ASSERT_NE(shown, game.Slovo) << utf8;
            boards.insert(shown);
        }
        EXPECT_GT(boards.size(), 1u) << utf8; // still shuffled, not one fixed turn
    }
    EXPECT_EQ(scrambledOrder(w1251("ОН"), random), (std::vector<int>{1, 0}));
    // A generator stuck on one order: the board is turned by one cell.
    ScriptedRandom stuck({0.0});
    EXPECT_EQ(scrambledOrder(w1251("ХОР"), stuck), (std::vector<int>{1, 2, 0}));
    // One letter repeated reads the same in any order; it is shown as drawn.
    EXPECT_EQ(scrambledOrder(w1251("ООО"), stuck), (std::vector<int>{0, 1, 2}));
}

TEST(NewGame, ScriptedChoiceOfFileWordAndOrder) {
    TempFolder folder;
    folder.words("a.7", {"АВТОБУС", "БАРАБАН", "ВЕРБЛЮД"});
    folder.words("b.7", {"КАРТИНА", "ДЕЛЬФИН"});
    folder.words("a.70", {"ЖЖЖЖЖЖЖ"});
    Game game = gameIn(folder, 7);
    // file floor(0.6 * 2) = b.7, word floor(0.5 * 2) = the second, then the cells.
    ScriptedRandom random({0.6, 0.5, 0.99, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0});
    const NewGameResult r = NewGame(game, random);
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_EQ(r.file.filename(), "b.7");
    EXPECT_EQ(game.Slovo, w1251("ДЕЛЬФИН"));
    EXPECT_EQ(r.order, (std::vector<int>{6, 0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(game.KolBukv, 7);
    EXPECT_EQ(game.GameState, 1);
    EXPECT_TRUE(game.wordLoaded);
}

TEST(NewGame, SeededGamesRepeatAndDrawFilesAndWordsUniformly) {
    TempFolder folder;
    folder.words("a.4", {"МАМА", "ПАПА"});
    folder.words("b.4", {"КОЗА"});
    folder.words("c.40", {"ЛОСЬ"});
    Game first = gameIn(folder, 4), second = gameIn(folder, 4);
    Random r1(2024), r2(2024);
    std::map<std::string, int> words;
    for (int i = 0; i < 3000; ++i) {
        const NewGameResult a = NewGame(first, r1);
        const NewGameResult b = NewGame(second, r2);
        ASSERT_EQ(first.Slovo, second.Slovo);
        ASSERT_EQ(a.order, b.order);
        ++words[first.Slovo];
        std::string shown = shownLetters(first, a.order), word = first.Slovo;
        std::sort(shown.begin(), shown.end());
        std::sort(word.begin(), word.end());
        ASSERT_EQ(shown, word); // МАМА shows two М and two А
    }
    // Half the games from each file; the file's words share its half.
    ASSERT_EQ(words.size(), 3u);
    EXPECT_NEAR(words[w1251("КОЗА")], 1500, 150);
    EXPECT_NEAR(words[w1251("МАМА")], 750, 120);
    EXPECT_NEAR(words[w1251("ПАПА")], 750, 120);
}

TEST(NewGame, TimedGameStartsTheCountdown) {
    TempFolder folder;
    folder.words("x.3", {"КОТ"});
    Game game = gameIn(folder, 3);
    Random random(1);
    game.OptTime = 1;
    game.OptSec = 5;
    NewGame(game, random);
    EXPECT_EQ(game.TimeOst, 5);
    game.OptSec = -3; // from an edited file: no time at all, never a clock that runs forever
    NewGame(game, random);
    EXPECT_EQ(game.TimeOst, 0);
    game.OptTime = 2;
    game.TimeOst = 42;
    NewGame(game, random);
    EXPECT_EQ(game.TimeOst, 42);
}

TEST(NewGame, MissingDatabaseLeavesAnEmptyBoardAndTheOldWordUnusable) {
    TempFolder folder;
    folder.words("a.70", {"ЖЖЖЖЖЖЖ"});
    std::filesystem::create_directory(folder.path() / "dir.7");
    Game game = gameIn(folder, 7);
    game.Slovo = w1251("СТАРОЕ");
    game.wordLoaded = true;
    Random random(1);
    const NewGameResult r = NewGame(game, random);
    EXPECT_EQ(r.status, Status::NoDatabase);
    EXPECT_EQ(r.length, 7);
    EXPECT_EQ(game.KolBukv, 7);
    EXPECT_EQ(game.GameState, 1);
    EXPECT_EQ(game.Slovo, w1251("СТАРОЕ"));
    EXPECT_FALSE(game.wordLoaded);
    EXPECT_EQ(newGameMessage(r), "База данных слов не найдена\nНет файла со словами из " + std::to_string(r.length) +
                                     " букв (*." + std::to_string(r.length) + ").");
}

TEST(NewGame, UnsuitableWordFilesAreReportedAndStartNoGame) {
    const std::map<std::string, std::string> bad = {
        {"count missing", w1251("КОТ\r\nКИТ\r\n")},
        {"empty", ""},
        {"count zero", " 0 \r\n"},
        {"count negative", "-2\r\n" + w1251("КОТ\r\nКИТ\r\n")},
        {"fewer words than the count", " 3 \r\n" + w1251("КОТ\r\nКИТ\r\n")},
        {"word too long", " 2 \r\n" + w1251("КОТ\r\nКИТЫ\r\n")},
        {"word too short", " 2 \r\n" + w1251("КОТ\r\nКИ\r\n")},
        {"lower-case word", " 1 \r\n" + w1251("кот\r\n")},
        {"latin word", " 1 \r\nCAT\r\n"},
    };
    for (const auto& [what, bytes] : bad) {
        TempFolder folder;
        folder.write("bad.3", bytes);
        Game game = gameIn(folder, 3);
        Random random(5);
        const NewGameResult r = NewGame(game, random);
        EXPECT_EQ(r.status, Status::NotSuitable) << what;
        EXPECT_FALSE(game.wordLoaded) << what;
        EXPECT_EQ(newGameMessage(r), "Файл \"" + folder.pathData() + "bad.3\" не подходит к программе.") << what;
    }
}

TEST(NewGame, UnopenableWordFileIsReportedByName) {
    if (runningAsRoot()) GTEST_SKIP() << kNeedsOrdinaryUser;
    TempFolder folder;
    folder.words("locked.3", {"КОТ"});
    ::chmod((folder.path() / "locked.3").c_str(), 0);
    Game game = gameIn(folder, 3);
    Random random(5);
    const NewGameResult r = NewGame(game, random);
    EXPECT_EQ(r.status, Status::CannotOpen);
    EXPECT_EQ(newGameMessage(r), "Файл \"" + folder.pathData() + "locked.3\" открыть не возможно.");
}
