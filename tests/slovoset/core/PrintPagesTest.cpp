// SPDX-License-Identifier: GPL-3.0-or-later
// The pages made for printing: what a teacher needs on paper, in order.
#include "SlovosetTestSupport.h"

#include "slovoset/core/PrintPages.h"

#include <gtest/gtest.h>

namespace smek::slovoset {
namespace {

using test::analyse;
using test::u;
using test::w;

size_t count(const std::string& text, const std::string& piece) {
    size_t n = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
    return n;
}

TEST(PrintPages, LetterCountsReadAsRussian) {
    EXPECT_EQ(u(bukvText(1)), "1 буква");
    EXPECT_EQ(u(bukvText(3)), "3 буквы");
    EXPECT_EQ(u(bukvText(5)), "5 букв");
    EXPECT_EQ(u(bukvText(11)), "11 букв");
    EXPECT_EQ(u(bukvText(12)), "12 букв");
    EXPECT_EQ(u(bukvText(21)), "21 буква");
    EXPECT_EQ(u(bukvText(24)), "24 буквы");
}

TEST(PrintPages, PuzzlePageInReadingOrder) {
    auto a = analyse("Ёлка ёжик, сосёнка <b>&", {"ЛКАЕ", "КАЕЖ", "ИКСОСЕН"}, 1, 1);
    ASSERT_EQ(a.p.MaxSpisok, 2);
    a.p.Slova[1].Vybrano = 0; // the author left КАЕЖ out
    const HtmlPages pages = printPages(a.p, w("Лес <i>"));
    const std::string page = u(pages.puzzle);
    EXPECT_NE(page.find("<meta charset=\"windows-1251\">"), std::string::npos);
    EXPECT_NE(page.find("@page { size: A4; margin:"), std::string::npos);
    EXPECT_NE(page.find("serif"), std::string::npos);
    EXPECT_NE(page.find("<title>Словосеть: Лес &lt;i&gt;</title>"), std::string::npos);
    const size_t title = page.find("<h1>Лес &lt;i&gt;</h1>");
    const size_t instruction = page.find("Найдите в тексте спрятанные слова");
    const size_t text = page.find("Ёлка ёжик, сосёнка &lt;b&gt;&amp;");
    const size_t hints = page.find("Подсказки. Число букв в нужных словах в порядке их появления в тексте: 4, 7</p>");
    const size_t lines = page.find("<div>1. <span class=\"blank\"></span> <span class=\"count\">(4 буквы)</span></div>");
    ASSERT_NE(title, std::string::npos);
    ASSERT_NE(instruction, std::string::npos);
    ASSERT_NE(text, std::string::npos);
    ASSERT_NE(hints, std::string::npos);
    ASSERT_NE(lines, std::string::npos);
    EXPECT_LT(title, instruction);
    EXPECT_LT(instruction, text);
    EXPECT_LT(text, hints);
    EXPECT_LT(hints, lines);
    EXPECT_EQ(count(page, "class=\"blank\""), 2u); // one line per chosen word
    EXPECT_NE(page.find("2. <span class=\"blank\"></span> <span class=\"count\">(7 букв)"), std::string::npos);
    EXPECT_EQ(page.find("ИКСОСЕН"), std::string::npos); // no answer on the puzzle page
}

TEST(PrintPages, AnswersPageMarksAndNumbersTheWords) {
    const auto a = analyse("Ёлка ёжик, сосёнка", {"ЛКАЕ", "ИКСОСЕН"}, 1);
    const std::string page = u(printPages(a.p, w("Лес")).answers);
    EXPECT_NE(page.find("<h1>Лес</h1>"), std::string::npos);
    EXPECT_NE(page.find("<u>лка ё</u>"), std::string::npos);
    EXPECT_NE(page.find("<u>ик, сосён</u>"), std::string::npos);
    const size_t first = page.find("<div>1. лкаё <span class=\"count\">(4 буквы)</span></div>");
    const size_t second = page.find("<div>2. иксосён <span class=\"count\">(7 букв)</span></div>");
    ASSERT_NE(first, std::string::npos);
    ASSERT_NE(second, std::string::npos);
    EXPECT_LT(first, second);
    // The markup of the marked text is balanced inside its own font element.
    EXPECT_EQ(count(page, "<font"), count(page, "</font>"));
}

TEST(PrintPages, NoChosenWordNoAnswerLines) {
    auto a = analyse("Ёлка ёжик", {"ЛКАЕ"}, 1);
    a.p.Slova[0].Vybrano = 0;
    const HtmlPages pages = printPages(a.p, w("Лес"));
    EXPECT_EQ(count(pages.puzzle, "class=\"blank\""), 0u);
    EXPECT_NE(u(pages.puzzle).find("в тексте: </p>"), std::string::npos);
}

} // namespace
} // namespace smek::slovoset
