// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/Alphabet.h"
#include "common/core/Cp1251.h"

#include <gtest/gtest.h>

using namespace smek;

TEST(Cp1251, EveryByteSurvivesARoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = cp1251ToUtf8(all);
    EXPECT_TRUE(isValidUtf8(utf8));
    EXPECT_EQ(utf8ToCp1251(utf8), all);
}

TEST(Cp1251, KnownCharactersMapBothWays) {
    EXPECT_EQ(cp1251ToUtf8("\xC0\xDF\xE0\xFF\xA8\xB8\xB9"), "АЯаяЁё№");
    EXPECT_EQ(w1251("Ёж «ёлка» — €"), "\xA8\xE6 \xAB\xB8\xEB\xEA\xE0\xBB \x97 \x88");
}

TEST(Cp1251, UnrepresentableAndBrokenInputBecomesQuestionMarks) {
    EXPECT_EQ(utf8ToCp1251("日本"), "??");
    EXPECT_EQ(utf8ToCp1251("a\xFF" "b"), "a?b");          // stray byte
    EXPECT_EQ(utf8ToCp1251("\xD0"), "?");                 // cut sequence
    EXPECT_EQ(utf8ToCp1251("\xC0\x80"), "??");            // overlong NUL
    EXPECT_EQ(utf8ToCp1251("😀x"), "?x");
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));            // surrogate
}

TEST(Alphabet, PositionsFollowTheThirtyThreeLetters) {
    ASSERT_EQ(alphabet().size(), 33u);
    EXPECT_EQ(letterPosition(w1251("А")[0]), 1);
    EXPECT_EQ(letterPosition(w1251("Е")[0]), 6);
    EXPECT_EQ(letterPosition(w1251("Ё")[0]), 7);
    EXPECT_EQ(letterPosition(w1251("Ж")[0]), 8);
    EXPECT_EQ(letterPosition(w1251("Я")[0]), 33);
    EXPECT_EQ(letterPosition(w1251("я")[0]), 0);
    EXPECT_EQ(letterPosition('A'), 0);
    for (int p = 1; p <= 33; ++p) EXPECT_EQ(letterPosition(letterAt(p)), p);
    EXPECT_EQ(letterAt(0), '?');
    EXPECT_EQ(letterAt(34), '?');
}

TEST(Alphabet, UpperCasingCoversRussianAndLatinOnly) {
    EXPECT_EQ(toUpperRu(w1251("ёжик Ёлка abc 12-я")), w1251("ЁЖИК ЁЛКА ABC 12-Я"));
    EXPECT_TRUE(isRussianLetter(w1251("ё")[0]));
    EXPECT_TRUE(isRussianLetter(w1251("Щ")[0]));
    EXPECT_FALSE(isRussianLetter('z'));
    EXPECT_FALSE(isRussianLetter(w1251("№")[0]));
    EXPECT_FALSE(isRussianLetter(w1251("і")[0])); // Ukrainian letters are not in the alphabet
}
