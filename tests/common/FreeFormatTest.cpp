// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/FreeFormat.h"
#include "common/core/NumberText.h"

#include <gtest/gtest.h>

using namespace smek;

TEST(FreeFormat, NumbersReadTheSameWithOrWithoutSpaces) {
    FreeFormatReader r(" 1 \r\n2\r\n -3 \r\n4,5\n  6  7\r\n");
    EXPECT_EQ(r.readNumber(), 1);
    EXPECT_EQ(r.readNumber(), 2);
    EXPECT_EQ(r.readNumber(), -3);
    EXPECT_EQ(r.readNumber(), 4);
    EXPECT_EQ(r.readNumber(), 5);
    EXPECT_EQ(r.readNumber(), 6);
    EXPECT_EQ(r.readNumber(), 7);
    EXPECT_TRUE(r.atEnd());
    EXPECT_EQ(r.readNumber(), std::nullopt);
}

TEST(FreeFormat, TextWhereANumberBelongsIsMissingAndConsumed) {
    FreeFormatReader r("abc\r\n12x\r\n99999999999\r\n8\r\n");
    EXPECT_EQ(r.readNumber(), std::nullopt);
    EXPECT_EQ(r.readNumber(), std::nullopt);
    EXPECT_EQ(r.readNumber(), std::nullopt); // out of the 32-bit range
    EXPECT_EQ(r.readNumber(), 8);
}

TEST(FreeFormat, TextItemsEndAtCommasAndLineEndsAndLoseTheirQuotes) {
    FreeFormatReader r("  КОТ\r\n\"ПЁС, СОБАКА\" ,ЁЖ\rLAST  \nДОМ,lone");
    EXPECT_EQ(r.readText(), "КОТ");
    EXPECT_EQ(r.readText(), "ПЁС, СОБАКА");
    EXPECT_EQ(r.readText(), "ЁЖ");
    EXPECT_EQ(r.readText(), "LAST");
    EXPECT_EQ(r.readText(), "ДОМ");
    EXPECT_EQ(r.readText(), "lone");
    EXPECT_TRUE(r.atEnd());
    EXPECT_EQ(r.readText(), std::nullopt);
}

TEST(FreeFormat, EmptyLinesAreEmptyItemsNotTheEnd) {
    FreeFormatReader r("a\r\n\r\nb");
    EXPECT_EQ(r.readText(), "a");
    EXPECT_EQ(r.readText(), "");
    EXPECT_EQ(r.readText(), "b");
}

TEST(NumberText, SignPlaceAndSettingsLines) {
    EXPECT_EQ(signedNumberText(5), " 5");
    EXPECT_EQ(signedNumberText(0), " 0");
    EXPECT_EQ(signedNumberText(-12), "-12");
    EXPECT_EQ(settingsLine(1), " 1 \r\n");
    EXPECT_EQ(settingsLine(-1), "-1 \r\n");
    FreeFormatReader r(settingsLine(42) + settingsLine(-7));
    EXPECT_EQ(r.readNumber(), 42);
    EXPECT_EQ(r.readNumber(), -7);
}

TEST(FreeFormat, AQuotedItemNeverRunsPastItsLine) {
    // An unclosed quote ends with its line; the next line is the next item.
    FreeFormatReader r("\"КОТ\r\n 5 \r\n\"ПЁС\nЁЖ\r\n\"\" ,x\r\n");
    EXPECT_EQ(r.readText(), "КОТ");
    EXPECT_EQ(r.readNumber(), 5);
    EXPECT_EQ(r.readText(), "ПЁС");
    EXPECT_EQ(r.readText(), "ЁЖ");
    EXPECT_EQ(r.readText(), "");
    EXPECT_EQ(r.readText(), "x");
    EXPECT_TRUE(r.atEnd());
    // Whatever follows the closing quote up to the comma is dropped.
    FreeFormatReader tail("\"А\"Б,В\r\n");
    EXPECT_EQ(tail.readText(), "А");
    EXPECT_EQ(tail.readText(), "В");
}
