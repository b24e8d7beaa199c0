// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderTest.h"
#include "common/core/Themes.h"

using namespace smek;
namespace fs = std::filesystem;

namespace {

class Themes : public FolderTest {
protected:
    void SetUp() override {
        FolderTest::SetUp();
        put(fs::path(data()) / "Слова.5", " 1 \r\nАААААА\r\n");
        put(fs::path(data()) / "Слова.7", " 1 \r\nААААААА\r\n");
        put(theme("Животные") / "Слова.5", " 1 \r\nБЕЛКА\r\n");
        put(theme("Животные") / "Другие.5", " 1 \r\nХОРЁК\r\n");
        put(theme("Еда") / "Слова.4", " 1 \r\nСЫРЫ\r\n");
        put(fs::path(data()) / kThemesFolder / "не тема.5", "a file among the themes is no theme");
    }
    fs::path theme(const std::string& name) const { return fs::path(data()) / kThemesFolder / name; }
};

TEST_F(Themes, AreTheFoldersUnderTheThemesFolderInOrder) {
    EXPECT_EQ(listThemes(data()), (std::vector<std::string>{"Еда", "Животные"}));
    EXPECT_TRUE(listThemes(dir.string() + "/nowhere/").empty());
    EXPECT_EQ(themeLengths(data(), "Животные"), std::vector<int>{5});
    EXPECT_TRUE(themeLengths(data(), "").empty());
}

TEST_F(Themes, ServeTheirOwnFilesAndFallBackToAllWordsForALengthTheyLack) {
    const ThemedWordFiles own = themedWordFiles(data(), "Животные", 5);
    EXPECT_FALSE(own.fellBack);
    EXPECT_EQ(own.files, (std::vector<fs::path>{theme("Животные") / "Другие.5", theme("Животные") / "Слова.5"}));

    const ThemedWordFiles lacking = themedWordFiles(data(), "Животные", 7);
    EXPECT_TRUE(lacking.fellBack);
    EXPECT_EQ(lacking.files, std::vector<fs::path>{fs::path(data() + "Слова.7")});

    // All words: the designed databases, never a fallback to report.
    const ThemedWordFiles all = themedWordFiles(data(), "", 5);
    EXPECT_FALSE(all.fellBack);
    EXPECT_EQ(all.files, std::vector<fs::path>{fs::path(data() + "Слова.5")});

    // Neither has the length: the designed "no database" case stays.
    const ThemedWordFiles none = themedWordFiles(data(), "Еда", 9);
    EXPECT_TRUE(none.fellBack);
    EXPECT_TRUE(none.files.empty());
}

TEST_F(Themes, ChoiceRoundTripsAndOnlyNamesAThemeTheDataFolderHas) {
    const fs::path file = dir / "config" / "smekalia" / "slovolov-theme";
    EXPECT_EQ(readThemeChoice(file, data()), ""); // missing file: all words
    ASSERT_FALSE(writeThemeChoice(file, "Животные"));
    EXPECT_EQ(readThemeChoice(file, data()), "Животные");
    ASSERT_FALSE(writeThemeChoice(file, ""));
    EXPECT_EQ(readThemeChoice(file, data()), "");

    put(file, "Еда\r\n");
    EXPECT_EQ(readThemeChoice(file, data()), "Еда");
    for (const char* odd : {"Космос\n", "../Data\n", "\n", "Еда и напитки\n"}) {
        put(file, odd);
        EXPECT_EQ(readThemeChoice(file, data()), "") << odd;
    }
}

TEST(ThemeNote, NamesTheThemeAndTheLengthsTakenFromAllWords) {
    EXPECT_EQ(lengthsText({}), "");
    EXPECT_EQ(lengthsText({11}), "11");
    EXPECT_EQ(lengthsText({11, 12}), "11, 12");
    EXPECT_EQ(lengthsText({3, 11, 12, 13, 14, 15, 16, 17, 18, 19}), "3, 11–19");
    EXPECT_EQ(lengthsText({4, 6, 7, 8, 10, 11}), "4, 6–8, 10, 11");

    EXPECT_EQ(themeNote("", {7}), "");
    EXPECT_EQ(themeNote("Еда", {}), "Тема: Еда");
    EXPECT_EQ(themeNote("Еда", {12, 13, 14}), "Тема: Еда. Слов из 12–14 букв в теме нет, они взяты из всех слов");
}

} // namespace
