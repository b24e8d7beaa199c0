// SPDX-License-Identifier: GPL-3.0-or-later
#include "TempFolder.h"
#include "bukvoklad/core/NewGame.h"
#include "bukvoklad/core/SecondAnswer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

using namespace smek;
using namespace smek::bukvoklad;
using Status = NewGameResult::Status;

namespace {

OwnWords own(std::initializer_list<const char*> words, bool shuffled, const std::string& title = "Осень") {
    OwnWords o;
    o.list.title = title;
    for (const char* w : words) o.list.words.push_back(w1251(w));
    o.shuffled = shuffled;
    return o;
}

// The words a game deals until the list is used up.
std::vector<std::string> played(Game& game, Random& random) {
    std::vector<std::string> words;
    while (NewGame(game, random).status == Status::Ok) words.push_back(game.Slovo);
    return words;
}

} // namespace

TEST(OwnWords, InOrderTheGamesDealTheListThenSayItIsUsedUpAndChangeNothing) {
    Random random(1);
    Game game;
    game.OptKolBukv = 7; // the list's words keep their own lengths
    game.Tema = "Птицы";
    game.OptTime = 1;
    game.OptSec = 30;
    game.own = own({"ОСЕНЬ", "ЛИСТОПАД", "ЁЖ"}, false);
    startDeal(*game.own, random);
    NewGameResult first = NewGame(game, random);
    ASSERT_EQ(first.status, Status::Ok);
    EXPECT_EQ(game.KolBukv, 5);
    EXPECT_EQ(first.length, 5);
    EXPECT_TRUE(game.wordLoaded);
    EXPECT_EQ(game.TimeOst, 30);
    EXPECT_EQ(ownWordsNote(*game.own), "Свои слова «Осень»: 1 из 3");
    const std::vector<std::string> rest = played(game, random);
    EXPECT_EQ(rest, (std::vector<std::string>{w1251("ЛИСТОПАД"), w1251("ЁЖ")}));
    EXPECT_EQ(ownWordsNote(*game.own), "Свои слова «Осень»: 3 из 3");

    // Used up: the last game stays as it was (won, say), for the question.
    game.GameState = 0;
    const NewGameResult after = NewGame(game, random);
    EXPECT_EQ(after.status, Status::OwnWordsUsedUp);
    EXPECT_EQ(game.GameState, 0);
    EXPECT_EQ(game.Slovo, w1251("ЁЖ"));
    EXPECT_EQ(newGameMessage(after), "");
    EXPECT_EQ(usedUpQuestion(*game.own),
              "Свои слова «Осень»: сыграны все слова (3).\nСыграть их ещё раз? «Нет» — дальше слова игры.");
    // Played again from the start.
    startDeal(*game.own, random);
    EXPECT_EQ(NewGame(game, random).status, Status::Ok);
    EXPECT_EQ(game.Slovo, w1251("ОСЕНЬ"));
}

TEST(OwnWords, ShuffledDealsEveryWordOnceInAFreshOrderEachTime) {
    Random random(5);
    Game game;
    game.own = own({"А", "Б", "В", "Г", "Д", "Е", "Ж", "З", "И", "К"}, true, "");
    std::vector<std::vector<std::string>> deals;
    for (int round = 0; round < 3; ++round) {
        startDeal(*game.own, random);
        deals.push_back(played(game, random));
        std::vector<std::string> sorted = deals.back();
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, game.own->list.words);
    }
    EXPECT_NE(deals[0], game.own->list.words);
    EXPECT_NE(deals[0], deals[1]);
    EXPECT_EQ(ownWordsNote(*game.own), "Свои слова: 10 из 10");
}

TEST(OwnWords, ABoardHoldsNineteenLettersAndTheLongerWordsAreNamed) {
    OwnList list{"", {std::string(19, '\xC0'), std::string(20, '\xC1'), w1251("КОТ")}};
    EXPECT_EQ(boardRefusal(list), "На доске 19 клеток, эти слова длиннее:\n«" + cp1251ToUtf8(list.words[1]) + "» - 20 букв");
}

TEST(SecondAnswer, KnownWordsAreTheDataFolderTheThemesAndTheListItself) {
    TempFolder folder;
    folder.words("a.5", {"БАНКА", "ЛИСТЬ"});
    folder.words("b.3", {"ЕЖИ"});
    folder.words("c.2", {"ОН"}); // the shortest words too
    std::filesystem::create_directories(folder.path() / "Темы" / "Дом");
    std::ofstream(folder.path() / "Темы" / "Дом" / "Слова.4", std::ios::binary) << " 1 \r\n" << w1251("ЛИПА") << "\r\n";
    const KnownWords known = KnownWords::ofDataFolder(folder.pathData());
    const std::vector<std::string> list{w1251("КАБАН"), w1251("ПИЛА"), w1251("КОТ"), w1251("ТОК"), w1251("ЁЖИ"),
                                        w1251("ОСЕНЬ"), w1251("БАНКА"), w1251("НО")};
    const std::vector<SecondAnswer> flags = secondAnswers(known, list);
    std::vector<std::string> notes;
    for (const SecondAnswer& flag : flags) notes.push_back(secondAnswerNote(flag));
    // ЁЖИ is ЕЖИ, the same answer; ОСЕНЬ has no partner; a word of the
    // data folder is no second answer to itself.
    EXPECT_EQ(notes, (std::vector<std::string>{"КАБАН: у этого слова есть второй ответ: БАНКА",
                                               "ПИЛА: у этого слова есть второй ответ: ЛИПА",
                                               "КОТ: у этого слова есть второй ответ: ТОК",
                                               "ТОК: у этого слова есть второй ответ: КОТ",
                                               "БАНКА: у этого слова есть второй ответ: КАБАН",
                                               "НО: у этого слова есть второй ответ: ОН"}));
}

TEST(SecondAnswer, YoAndYeAreOneLetterAndEveryOtherAnswerIsNamedOnce) {
    KnownWords known;
    for (const char* w : {"ЛЁН", "ЛЕН", "НЕЛ", "НЁЛ"}) known.add(w1251(w));
    for (const char* word : {"ЛЕН", "ЛЁН"}) {
        const std::vector<std::string> others = known.otherAnswers(w1251(word));
        ASSERT_EQ(others.size(), 1u) << word;
        EXPECT_TRUE(others[0] == w1251("НЕЛ") || others[0] == w1251("НЁЛ"));
    }
    EXPECT_TRUE(known.otherAnswers(w1251("КОТ")).empty());
    EXPECT_TRUE(known.otherAnswers(w1251("ЛЕНЬ")).empty()); // a letter more is another word
}

TEST(OwnWords, AKeptListComesBackWithItsOrderAndMakesItsFolder) {
    TempFolder folder;
    const auto own = folder.path() / "home" / "own"; // neither folder there yet
    EXPECT_EQ(readKeptList(own), std::nullopt);
    for (const bool shuffled : {true, false}) {
        const OwnWords kept = ::own({"КОТ", "ЁЖИК"}, shuffled);
        ASSERT_FALSE(keepList(own, {kept.list, kept.shuffled}));
        const auto back = readKeptList(own);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->list.title, "Осень");
        EXPECT_EQ(back->list.words, kept.list.words);
        EXPECT_EQ(back->shuffled, shuffled);
    }
}
