// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet page: the shuffled letters shown, each word only as its
// row's hash, the same bytes for the same sheet.
#include "bukvoklad/core/WebPage.h"

#include "common/core/Cp1251.h"
#include "common/web/WebPage.h"

#include <gtest/gtest.h>
#include <regex>

namespace smek::bukvoklad {
namespace {

Worksheet sheetOf(std::initializer_list<std::pair<const char*, const char*>> words) {
    Worksheet sheet;
    for (const auto& [word, letters] : words) sheet.items.push_back({w1251(word), w1251(letters)});
    return sheet;
}

TEST(WebPage, LettersShownWordsOnlyAsTheirRowsHash) {
    const Worksheet sheet = sheetOf({{"КОТ", "ТОК"}, {"ЁЛКА", "КЛАЁ"}});
    const std::string page = webPage(sheet);
    std::smatch salt;
    ASSERT_TRUE(std::regex_search(page, salt, std::regex("\"salt\":\"([0-9a-f]{16})\"")));
    EXPECT_NE(page.find("{\"l\":\"ТОК\",\"h\":\"" + web::answerHash(salt[1].str(), 1, w1251("КОТ")) + "\"}"),
              std::string::npos);
    // Row 2 takes Е for Ё, as the page's check does.
    EXPECT_NE(page.find("{\"l\":\"КЛАЁ\",\"h\":\"" + web::answerHash(salt[1].str(), 2, w1251("ЕЛКА")) + "\"}"),
              std::string::npos);
    EXPECT_EQ(page.find("КОТ"), std::string::npos);
    EXPECT_EQ(page.find("ЁЛКА"), std::string::npos);
    EXPECT_EQ(page.find("ЕЛКА"), std::string::npos);
}

TEST(WebPage, SameSheetSameBytesAnotherSheetAnotherSalt) {
    const std::string page = webPage(sheetOf({{"КОТ", "ТОК"}}));
    EXPECT_EQ(page, webPage(sheetOf({{"КОТ", "ТОК"}})));
    const std::string other = webPage(sheetOf({{"КОТ", "ОТК"}}));
    EXPECT_NE(page.substr(page.find("\"salt\"")), other.substr(other.find("\"salt\"")));
}

TEST(WebPage, ThirtyLongRowsStayWithinTheLimit) {
    Worksheet sheet;
    for (int i = 0; i < 30; ++i) sheet.items.push_back({std::string(19, '\xC0' + static_cast<char>(i)), std::string(19, '\xC0')});
    EXPECT_LE(webPage(sheet).size(), web::kMaxPageBytes);
}

} // namespace
} // namespace smek::bukvoklad
