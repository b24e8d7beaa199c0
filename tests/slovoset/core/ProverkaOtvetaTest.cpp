// SPDX-License-Identifier: GPL-3.0-or-later
#include "SlovosetTestSupport.h"

#include "slovoset/core/AnalizTexta.h"
#include "slovoset/core/ProverkaOtveta.h"
#include "slovoset/core/StartGame.h"

#include "common/core/EndBanner.h"

#include <gtest/gtest.h>

namespace smek::slovoset {
namespace {

using test::w;

// Play puzzle over the fixture dictionary: ЕЛКА, КОТИК, СОСНА listed (from
// 4 letters), ЛЕС found but short.
Puzzle playPuzzle() {
    Puzzle p;
    p.PathData = test::fixtureData();
    p.LenSlov = 1;
    StartGame(p, 0, "ел ка, ле с; кот ик сос на");
    AnalizTexta(p, 0);
    return p;
}

TEST(ProverkaOtveta, KeyFilterLetsOnlyRussianLettersAndControlCodesThrough) {
    for (const char* ok : {"а", "Я", "ё", "Ё", "ж"})
        EXPECT_TRUE(answerKeyPasses(static_cast<unsigned char>(w(ok)[0]))) << ok;
    for (int code : {int('a'), int('Z'), int('1'), int(' '), int('-'), int('?'), 9, 13, 0xB9 /* № */}) EXPECT_FALSE(answerKeyPasses(code)) << code;
    EXPECT_TRUE(answerKeyPasses(8));
    EXPECT_TRUE(answerKeyPasses(0));
}

TEST(ProverkaOtveta, PuzzleUnderTest) {
    const Puzzle p = playPuzzle();
    ASSERT_EQ(p.MaxSpisok, 2);
    EXPECT_EQ(test::u(slovoOfLine(p, 0).Slovo), "ЕЛКА");
    EXPECT_EQ(test::u(slovoOfLine(p, 2).Slovo), "СОСНА");
    EXPECT_EQ(test::u(p.Slova[1].Slovo), "ЛЕС");
}

TEST(ProverkaOtveta, AnyCaseAndYoCountAsTheWord) {
    for (const char* answer : {"ёлка", "ЁЛКА", "Елка", "елКа"}) {
        Puzzle p = playPuzzle();
        const Otvet r = ProverkaOtveta(p, w(answer));
        EXPECT_EQ(r.kind, Otvet::Kind::Opened) << answer;
        EXPECT_EQ(r.line, 0);
        EXPECT_EQ(slovoOfLine(p, 0).Vybrano, 1);
        EXPECT_EQ(slovoOfLine(p, 0).Otgadano, 1);
        EXPECT_EQ(p.Ugadano, 0);
    }
}

TEST(ProverkaOtveta, WrongAnswersChangeNothing) {
    Puzzle p = playPuzzle();
    for (const char* answer : {"е", "лес", "ель", "котики", ""}) {
        const Otvet r = ProverkaOtveta(p, w(answer));
        EXPECT_EQ(r.kind, Otvet::Kind::Wrong) << answer; // a short hidden word is not listed
    }
    EXPECT_EQ(p.Ugadano, -1);
    EXPECT_EQ(p.Otkryto, -1);
    EXPECT_STREQ(kNeZagadano, "Это слово не загадано компьютером");
}

TEST(ProverkaOtveta, ARepeatedAnswerIsNotCountedAgain) {
    Puzzle p = playPuzzle();
    ASSERT_EQ(ProverkaOtveta(p, w("котик")).kind, Otvet::Kind::Opened);
    EXPECT_FALSE(noteOpened(p));
    const Otvet again = ProverkaOtveta(p, w("котик"));
    EXPECT_EQ(again.kind, Otvet::Kind::AlreadyOpen);
    EXPECT_EQ(again.line, 1);
    EXPECT_EQ(p.Ugadano, 0);
    EXPECT_EQ(p.Otkryto, 0);

    // A revealed word typed later is open too: no score for it.
    slovoOfLine(p, 2).Vybrano = 1;
    EXPECT_FALSE(noteOpened(p));
    EXPECT_EQ(ProverkaOtveta(p, w("сосна")).kind, Otvet::Kind::AlreadyOpen);
    EXPECT_EQ(p.Ugadano, 0);
}

TEST(ProverkaOtveta, TheLastWordEndsTheGame) {
    Puzzle won = playPuzzle();
    for (const char* answer : {"сосна", "елка", "котик"}) {
        ASSERT_EQ(ProverkaOtveta(won, w(answer)).kind, Otvet::Kind::Opened);
        EXPECT_EQ(noteOpened(won), std::string(answer) == "котик");
    }
    EXPECT_EQ(smek::bannerForScore(won.Ugadano, won.MaxSpisok).text, "ПОБЕДА!!!");

    Puzzle lost = playPuzzle();
    slovoOfLine(lost, 1).Vybrano = 1; // revealed from the list
    EXPECT_FALSE(noteOpened(lost));
    ASSERT_EQ(ProverkaOtveta(lost, w("елка")).kind, Otvet::Kind::Opened);
    EXPECT_FALSE(noteOpened(lost));
    ASSERT_EQ(ProverkaOtveta(lost, w("сосна")).kind, Otvet::Kind::Opened);
    EXPECT_TRUE(noteOpened(lost));
    EXPECT_EQ(smek::bannerForScore(lost.Ugadano, lost.MaxSpisok).text, "КОНЕЦ ИГРЫ!!!");
    EXPECT_EQ(smek::scoreLine(lost.Ugadano, lost.MaxSpisok), "Отгадано слов: 2 из 3 возможных");
}

} // namespace
} // namespace smek::slovoset
