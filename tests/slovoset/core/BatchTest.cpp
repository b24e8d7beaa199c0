// SPDX-License-Identifier: GPL-3.0-or-later
// Titles and word counts for the command-line batches.
#include "SlovosetTestSupport.h"

#include "slovoset/core/Batch.h"

#include <gtest/gtest.h>

namespace smek::slovoset {
namespace {

using test::analyse;
using test::u;

TEST(Batch, TheFirstLineIsTheTitleOnlyWhenItLooksLikeOne) {
    TitledText t = titleOfText("  Осенний лес \r\n\r\n  Утром мы пошли в лес.", "файл");
    EXPECT_EQ(t.title, "Осенний лес");
    EXPECT_EQ(t.text, "  Утром мы пошли в лес.");
    t = titleOfText("Лес\nРека", "файл");
    EXPECT_EQ(t.title, "Лес");
    EXPECT_EQ(t.text, "Река");
    // Sixty characters, not sixty bytes of UTF-8.
    const std::string sixty = "Очень длинное название сборника задач для пятого класса школ";
    EXPECT_EQ(titleOfText(sixty + "\nТекст", "файл").title, sixty);
    EXPECT_EQ(titleOfText(sixty + "ы\nТекст", "файл").title, "файл");

    for (const char* text : {"Утром мы пошли в лес.\r\nИ нашли грибы", // a sentence
                             "Лес", "Лес\r\n\r\n  ",                   // nothing follows
                             "2024\r\nТекст",                           // no letter
                             "Мы шли, шли, шли по лесу и по полю, а потом ещё долго шли по берегу реки\nдальше",
                             "Что это?\nЛес", "Итак…\nЛес"}) {
        t = titleOfText(text, "файл");
        EXPECT_EQ(t.title, "файл") << text;
        EXPECT_EQ(t.text, text) << text;
    }
}

TEST(Batch, WordsByLengthCountWhatThePuzzleKeeps) {
    auto create = analyse("Ел ка, ле с и кот ик", {"ЕЛКА", "ЛЕС", "КОТИК", "ОТИК", "ТИК"}, 1);
    EXPECT_EQ(wordsByLength(create.p), (std::map<int, int>{{3, 2}, {4, 2}, {5, 1}}));
    create.p.Slova[0].Vybrano = 0;
    EXPECT_EQ(wordsByLength(create.p), (std::map<int, int>{{3, 2}, {4, 1}, {5, 1}}));
    const auto play = analyse("Ел ка, ле с и кот ик", {"ЕЛКА", "ЛЕС", "КОТИК", "ОТИК", "ТИК"}, 0, 1);
    EXPECT_EQ(wordsByLength(play.p), (std::map<int, int>{{4, 1}, {5, 1}}));
}

} // namespace
} // namespace smek::slovoset
