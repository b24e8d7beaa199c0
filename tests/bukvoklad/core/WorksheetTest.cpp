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
    EXPECT_NE(worksheetMessage(bad).find("не подходит к программе."), std::string::npos);
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

TEST(WorksheetLayout, ThirtyLongestWordsFitOnAnA4Page) {
    for (const int rows : {10, 30})
        for (const int longest : {3, 12, 19}) {
            const WorksheetLayout l = layoutWorksheet(rows, longest, 210, 297);
            EXPECT_LE(l.answerLeft + longest * l.cell, 210 - l.margin + 1e-9) << rows << " " << longest;
            EXPECT_LE(l.firstRow + rows * l.rowPitch, 297 - l.margin + 1e-9);
            EXPECT_LE(l.cell, l.rowPitch);
            EXPECT_GT(l.cell, 4.0); // still a letter a child can read
        }
    // Few short words get large cells, but not huge ones.
    EXPECT_DOUBLE_EQ(layoutWorksheet(10, 4, 210, 297).cell, 10.0);
    // Letter paper, landscape: still inside.
    const WorksheetLayout wide = layoutWorksheet(30, 19, 279.4, 215.9);
    EXPECT_LE(wide.firstRow + 30 * wide.rowPitch, 215.9 - wide.margin + 1e-9);
}
