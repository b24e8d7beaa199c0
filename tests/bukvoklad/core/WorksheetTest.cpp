// SPDX-License-Identifier: GPL-3.0-or-later
#include "TempFolder.h"
#include "bukvoklad/core/Worksheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <unistd.h>

using namespace smek;
using namespace smek::bukvoklad;
using Status = NewGameResult::Status;

namespace {

std::string sortedLetters(std::string s) {
    std::sort(s.begin(), s.end());
    return s;
}

} // namespace

TEST(Worksheet, FixedLengthGivesDistinctWordsWithTheirLettersShuffled) {
    TempFolder folder;
    folder.manyWords("a.6", 6, 40);
    folder.manyWords("b.5", 5, 40);
    Random random(4);
    for (const int count : {10, 17, 30}) {
        const Worksheet sheet = makeWorksheet(folder.path(), count, 6, random);
        ASSERT_EQ(sheet.status, Status::Ok);
        ASSERT_EQ(static_cast<int>(sheet.items.size()), count);
        std::set<std::string> words;
        for (const WorksheetItem& item : sheet.items) {
            EXPECT_EQ(item.word.size(), 6u);
            EXPECT_EQ(sortedLetters(item.letters), sortedLetters(item.word));
            EXPECT_NE(item.letters, item.word);
            words.insert(item.word);
        }
        EXPECT_EQ(static_cast<int>(words.size()), count);
    }
}

TEST(Worksheet, CountIsKeptToTenThroughThirtyAndASmallDatabaseGivesFewer) {
    TempFolder folder;
    folder.manyWords("a.5", 5, 60);
    folder.words("b.4", {"КОТЫ", "ЛИСА", "СЛОН"});
    Random random(9);
    EXPECT_EQ(makeWorksheet(folder.path(), 3, 5, random).items.size(), 10u);
    EXPECT_EQ(makeWorksheet(folder.path(), 99, 5, random).items.size(), 30u);
    const Worksheet few = makeWorksheet(folder.path(), 10, 4, random);
    EXPECT_EQ(few.status, Status::Ok);
    EXPECT_EQ(few.items.size(), 3u);
}

TEST(Worksheet, RandomLengthUsesTheLengthsTheFolderHasFiveToNineteen) {
    TempFolder folder;
    folder.manyWords("a.4", 4, 50); // random lengths start at 5, as in a game
    folder.manyWords("a.5", 5, 50);
    folder.manyWords("a.19", 19, 50);
    Random random(12);
    const Worksheet sheet = makeWorksheet(folder.path(), 30, 0, random);
    ASSERT_EQ(sheet.items.size(), 30u);
    std::set<size_t> lengths;
    for (const WorksheetItem& item : sheet.items) lengths.insert(item.word.size());
    EXPECT_EQ(lengths, (std::set<size_t>{5, 19}));
}

TEST(Worksheet, MissingOrBrokenDatabaseIsReported) {
    TempFolder folder;
    Random random(2);
    Worksheet none = makeWorksheet(folder.path(), 10, 7, random);
    EXPECT_EQ(none.status, Status::NoDatabase);
    EXPECT_EQ(worksheetMessage(none), "База данных слов не найдена\nНет файла со словами из 7 букв (*.7).");
    const Worksheet anyLength = makeWorksheet(folder.path(), 10, 0, random);
    EXPECT_EQ(anyLength.status, Status::NoDatabase);
    EXPECT_EQ(worksheetMessage(anyLength), "База данных слов не найдена");

    folder.write("bad.7", " 3 \r\nКОТ\r\n");
    const Worksheet bad = makeWorksheet(folder.path(), 10, 7, random);
    EXPECT_EQ(bad.status, Status::NotSuitable);
    EXPECT_TRUE(bad.items.empty());
    EXPECT_EQ(bad.file, folder.path() / "bad.7");
    EXPECT_EQ(worksheetMessage(bad), "Файл \"" + bad.file.string() + "\" не подходит к программе.");
}

TEST(Worksheet, AnUnreadableDatabaseCannotBeOpened) {
    if (runningAsRoot()) GTEST_SKIP() << kNeedsOrdinaryUser;
    TempFolder folder;
    Random random(2);
    folder.words("locked.8", {"КОРОВНИК"});
    std::filesystem::permissions(folder.path() / "locked.8", std::filesystem::perms::none);
    EXPECT_EQ(makeWorksheet(folder.path(), 10, 8, random).status, Status::CannotOpen);
}

TEST(Worksheet, OneLetterWordsKeepTheirOnlyOrder) {
    TempFolder folder;
    folder.words("a.3", {"ООО", "ААА"});
    Random random(6);
    const Worksheet sheet = makeWorksheet(folder.path(), 10, 3, random);
    ASSERT_EQ(sheet.items.size(), 2u);
    for (const WorksheetItem& item : sheet.items) EXPECT_EQ(item.letters, item.word);
}

TEST(Worksheet, AListGivesOneRowPerWordInItsOrderUpToThirty) {
    Random random(2);
    OwnList list{"Осень", {}};
    for (int i = 0; i < 35; ++i) list.words.push_back(w1251("ЛИСТ") + std::string(1, static_cast<char>(0xC0 + i % 32)));
    for (const size_t size : {1u, 3u, 30u, 31u}) {
        OwnList part{list.title, {list.words.begin(), list.words.begin() + static_cast<long>(size)}};
        const Worksheet sheet = worksheetFromList(part, 0, random);
        ASSERT_EQ(sheet.items.size(), std::min<size_t>(size, 30)) << size;
        EXPECT_EQ(sheet.title, "Осень");
        for (size_t i = 0; i < sheet.items.size(); ++i) {
            EXPECT_EQ(sheet.items[i].word, list.words[i]);
            EXPECT_EQ(sortedLetters(sheet.items[i].letters), sortedLetters(list.words[i]));
        }
    }
    EXPECT_EQ(worksheetFromList(list, 7, random).items.size(), 7u);
    EXPECT_EQ(worksheetFromList(list, 99, random).items.size(), 30u);
}

TEST(WorksheetLayout, AnswerCellsAreAtLeastEightMillimetresAndStayOnTheirPage) {
    for (int rows = 1; rows <= 30; ++rows)
        for (int longest = 2; longest <= 20; ++longest) {
            const WorksheetLayout l = layoutWorksheet(rows, longest, 210, 297);
            const std::string at = std::to_string(rows) + " rows of " + std::to_string(longest);
            ASSERT_GE(l.cell, kMinCell) << at;
            ASSERT_LE(l.cell, kMaxCell) << at;
            ASSERT_LE(l.answerLeft + longest * l.cell, 210 - l.margin + 1e-9) << at;
            ASSERT_GE(l.pages * l.rowsPerPage, rows) << at;
            ASSERT_LT((l.pages - 1) * l.rowsPerPage, rows) << at; // no empty page
            const double lastBottom = l.firstRow + (l.rowsPerPage - 1) * l.rowPitch + l.rowHeight;
            ASSERT_LE(lastBottom, 297 - l.margin + 1e-9) << at;
            ASSERT_GT(l.rowPitch, l.rowHeight) << at; // rows never touch
            // The rows fill the page: the last one ends in its lower half.
            if (l.rowsPerPage > 1) ASSERT_GT(lastBottom, 297 / 2.0) << at;
            ASSERT_NEAR(l.letterHeight, kLetterHeight, 0.1) << at;
        }
}

TEST(WorksheetLayout, AnswerBesideTheLettersWhileTheLongestWordLeavesRoomElseUnder) {
    // A4: 168 mm across for 2n + 1 cells of 8 mm.
    const WorksheetLayout ten = layoutWorksheet(10, 10, 210, 297);
    EXPECT_EQ(ten.answerTop, 0);
    EXPECT_DOUBLE_EQ(ten.answerLeft, ten.lettersLeft + 11 * ten.cell);
    const WorksheetLayout eleven = layoutWorksheet(10, 11, 210, 297);
    EXPECT_GE(eleven.answerTop, eleven.cell); // under the letters
    EXPECT_DOUBLE_EQ(eleven.answerLeft, eleven.lettersLeft);
    // Few short words get the largest cells; many rows go on to a second page.
    EXPECT_DOUBLE_EQ(layoutWorksheet(5, 4, 210, 297).cell, kMaxCell);
    EXPECT_EQ(layoutWorksheet(19, 5, 210, 297).pages, 1);
    EXPECT_EQ(layoutWorksheet(20, 5, 210, 297).pages, 2);
    const WorksheetLayout thirty = layoutWorksheet(30, 5, 210, 297);
    EXPECT_EQ(thirty.pages, 2);
    EXPECT_EQ(thirty.rowsPerPage, 15);
    // Letter paper, landscape: still inside.
    const WorksheetLayout wide = layoutWorksheet(30, 19, 279.4, 215.9);
    EXPECT_LE(wide.firstRow + (wide.rowsPerPage - 1) * wide.rowPitch + wide.rowHeight, 215.9 - wide.margin + 1e-9);
}
