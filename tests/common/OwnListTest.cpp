// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/Cp1251.h"
#include "common/core/OwnList.h"

#include <gtest/gtest.h>

using namespace smek;

namespace {

std::vector<std::string> words(std::initializer_list<const char*> utf8) {
    std::vector<std::string> out;
    for (const char* w : utf8) out.push_back(w1251(w));
    return out;
}

using Reason = OwnWordProblem::Reason;

TEST(OwnListFile, TitleFirstThenOneWordALineBlankLinesSkipped) {
    const OwnListParse read = parseOwnListFile("  Осень, 3 класс \r\nосень\r\n\r\n  Листопад \r\nЖУРАВЛЬ\n\n");
    EXPECT_TRUE(read.ok());
    EXPECT_EQ(read.list.title, "Осень, 3 класс");
    EXPECT_EQ(read.list.words, words({"ОСЕНЬ", "ЛИСТОПАД", "ЖУРАВЛЬ"}));
}

TEST(OwnListFile, TheTitleLineIsNeverAWordEvenWhenItLooksLikeOne) {
    EXPECT_EQ(parseOwnListFile("ёж\nлиса\n").list.title, "ёж");
    EXPECT_EQ(parseOwnListFile("ёж\nлиса\n").list.words, words({"ЛИСА"}));
    // An empty first line is an empty title, as the writer makes it.
    const OwnListParse untitled = parseOwnListFile("\nлиса\n");
    EXPECT_EQ(untitled.list.title, "");
    EXPECT_EQ(untitled.list.words, words({"ЛИСА"}));
}

TEST(OwnListFile, ByteOrderMarkAndOtherRussianEncodingsAreRead) {
    EXPECT_EQ(parseOwnListFile("\xEF\xBB\xBFЗверь\nёжик\n").list.title, "Зверь");
    EXPECT_EQ(parseOwnListFile("\xEF\xBB\xBFЗверь\nёжик\n").list.words, words({"ЁЖИК"}));
    const OwnListParse cp1251 = parseOwnListFile(w1251("Звери леса\r\nмедведь\r\nбарсук\r\nёжик\r\n"));
    EXPECT_TRUE(cp1251.ok());
    EXPECT_EQ(cp1251.list.title, "Звери леса");
    EXPECT_EQ(cp1251.list.words, words({"МЕДВЕДЬ", "БАРСУК", "ЁЖИК"}));
}

TEST(OwnListFile, NoTextAndNoWordsAreNotAList) {
    const OwnListParse binary = parseOwnListFile(std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
    EXPECT_TRUE(binary.notText);
    EXPECT_FALSE(binary.ok());
    for (const char* bytes : {"", "Только заголовок", "Заголовок\n\n \n"}) {
        const OwnListParse empty = parseOwnListFile(bytes);
        EXPECT_FALSE(empty.notText) << bytes;
        EXPECT_FALSE(empty.ok()) << bytes;
        EXPECT_EQ(ownListRefusal(empty), "В списке нет ни одного слова.") << bytes;
    }
}

TEST(OwnListFile, WordsAreRefusedNamingTheWordAndTheFileLine) {
    const OwnListParse read = parseOwnListFile("Т\nлиса\nлист0пад\n\nwolf\nёж\n");
    EXPECT_FALSE(read.ok());
    ASSERT_EQ(read.problems.size(), 2u);
    EXPECT_EQ(read.problems[0].line, 3);
    EXPECT_EQ(read.problems[0].word, "лист0пад");
    EXPECT_EQ(read.problems[1].line, 5);
    EXPECT_EQ(read.problems[1].word, "wolf");
    EXPECT_EQ(describeProblem(read.problems[0]), "Строка 3: «лист0пад» - в слове не только русские буквы");
    // The good words are still there, for a caller that shows them.
    EXPECT_EQ(read.list.words, words({"ЛИСА", "ЁЖ"}));
}

TEST(OwnListFile, WritingKeepsTheFormAndReadsBackTheSame) {
    OwnList list{"Семья\r\nИвановых", words({"МАМА", "ПАПА", "ЁЛКА"})};
    const std::string text = ownListFileText(list);
    EXPECT_EQ(text, "Семья  Ивановых\nМАМА\nПАПА\nЁЛКА\n");
    const OwnListParse back = parseOwnListFile(text);
    EXPECT_TRUE(back.ok());
    EXPECT_EQ(back.list.words, list.words);
    EXPECT_EQ(ownListFileText(back.list), text);
}

TEST(OwnWords, CommasSemicolonsBlanksAndLinesAllSeparate) {
    const OwnListParse typed = parseOwnWords("осень, ЛИСТОПАД;журавль\n\n  урожай  ёлка,,\tЁжик");
    EXPECT_TRUE(typed.ok());
    EXPECT_EQ(typed.list.words, words({"ОСЕНЬ", "ЛИСТОПАД", "ЖУРАВЛЬ", "УРОЖАЙ", "ЁЛКА", "ЁЖИК"}));
}

TEST(OwnWords, StressMarksAndSoftHyphensAreNotLetters) {
    EXPECT_EQ(parseOwnWords("заго\u0301лово\u00ADк").list.words, words({"ЗАГОЛОВОК"}));
}

TEST(OwnWords, LengthBoundariesOnBothSides) {
    const std::string twenty = "абвгдеёжзийклмнопрст"; // 20 letters
    const OwnListParse read = parseOwnWords("я\nяк\n" + twenty + "\n" + twenty + "у");
    EXPECT_EQ(read.list.words, words({"ЯК", "АБВГДЕЁЖЗИЙКЛМНОПРСТ"}));
    ASSERT_EQ(read.problems.size(), 2u);
    EXPECT_EQ(read.problems[0].reason, Reason::TooShort);
    EXPECT_EQ(read.problems[0].line, 1);
    EXPECT_EQ(read.problems[1].reason, Reason::TooLong);
    EXPECT_EQ(read.problems[1].line, 4);
    EXPECT_EQ(describeProblem(read.problems[0]), "Строка 1: «я» - слово короче 2 букв");
    EXPECT_EQ(describeProblem(read.problems[1]), "Строка 4: «" + twenty + "у» - слово длиннее 20 букв");
}

TEST(OwnWords, LatinLookAlikesHyphensAndRepeatsAreRefused) {
    // "Кот" with a Latin o; a hyphenated word; the same word in two cases.
    const OwnListParse read = parseOwnWords("Кoт\nиван-чай\nлиса\nЛИСА", 10);
    EXPECT_EQ(read.list.words, words({"ЛИСА"}));
    ASSERT_EQ(read.problems.size(), 3u);
    EXPECT_EQ(read.problems[0].reason, Reason::NotRussian);
    EXPECT_EQ(read.problems[1].reason, Reason::NotRussian);
    EXPECT_EQ(read.problems[2].reason, Reason::Repeated);
    EXPECT_EQ(read.problems[2].line, 13);
    // Е and Ё are different letters on a board: both words stay.
    EXPECT_TRUE(parseOwnWords("ЕЛКА ЁЛКА").ok());
}

TEST(OwnWords, TheRefusalListsProblemsUpToItsLimit) {
    const OwnListParse read = parseOwnWords("a\nb\nc\nлиса");
    EXPECT_EQ(ownListRefusal(read, 2), "Слова должны быть из 2..20 русских букв, каждое один раз:\n"
                                       "Строка 1: «a» - в слове не только русские буквы\n"
                                       "Строка 2: «b» - в слове не только русские буквы\n"
                                       "... и ещё 1");
    EXPECT_EQ(ownListRefusal(parseOwnWords("лиса")), "");
    // A pasted line with no separators is named, but shortened.
    const OwnListParse longJunk = parseOwnWords(std::string(100, 'x'));
    ASSERT_EQ(longJunk.problems.size(), 1u);
    EXPECT_EQ(longJunk.problems[0].word, std::string(30, 'x') + "…");
}

} // namespace
