// SPDX-License-Identifier: GPL-3.0-or-later
// The author's excluded words: the list's text and file, and where the
// analysis skips them (a created puzzle) and where it must not (play, files).
#include "SlovosetTestSupport.h"
#include "TempFolder.h"

#include "slovoset/core/GameFile.h"
#include "slovoset/core/Isklyucheniya.h"

#include "common/core/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace smek::slovoset {
namespace {

namespace fs = std::filesystem;
using test::u;
using test::w;

std::vector<std::string> listed(const Puzzle& p) {
    std::vector<std::string> out;
    for (int a = 0; a <= p.MaxSpisok; ++a) out.push_back(u(slovoOfLine(p, a).Slovo));
    return out;
}

// The fixture dictionary hides ЕЛКА, ЛЕС, КОТИК, ОТИК and ТИК in this text.
Puzzle started(int typ, std::set<std::string> excluded) {
    Puzzle p;
    p.PathData = test::fixtureData();
    p.Isklyucheniya = std::move(excluded);
    StartGame(p, typ, "Ел ка, ле с и кот ик");
    AnalizTexta(p, 0);
    return p;
}

// Without the bound a create-mode analysis with excluded words would ask about
// every length again, quadratic in the length of a letter run.
TEST(Isklyucheniya, TheDictionarysLongestWordStillBoundsTheAnalysis) {
    Dictionary dictionary(test::fixtureData());
    const std::set<std::string> excluded{w("КОТИК")};
    ExcludingLookup lookup(dictionary, excluded);
    const char k = w("К")[0];
    EXPECT_EQ(lookup.longestWord(k), dictionary.longestWord(k));
    EXPECT_EQ(lookup.longestWord(k), 5u); // К.3 and К.5
}

TEST(Isklyucheniya, TextIsCapitalsWithEOneALine) {
    const auto words = parseIsklyucheniya(w("Ёж, морг\r\nиго;  abc\tx-y МОРГ ДОМ2\n"));
    EXPECT_EQ(words, (std::set<std::string>{w("ЕЖ"), w("ИГО"), w("МОРГ")}));
    EXPECT_EQ(u(isklyucheniyaText(words)), "ЕЖ\r\nИГО\r\nМОРГ\r\n");
    EXPECT_TRUE(parseIsklyucheniya("").empty());
}

TEST(Isklyucheniya, FileInAFolderOfItsOwn) {
    const smek::TempFolder dir;
    const fs::path file = dir.path() / "a" / "b" / "excluded-words.txt";
    EXPECT_TRUE(readIsklyucheniya(file).empty()); // missing: empty
    ASSERT_FALSE(updateIsklyucheniya(file, {}, {w("МОРГ"), w("ИГО")}));
    EXPECT_EQ(smek::readTextFile(file).content, w("ИГО\r\nМОРГ\r\n"));
    EXPECT_EQ(readIsklyucheniya(file), (std::set<std::string>{w("ИГО"), w("МОРГ")}));
}

TEST(Isklyucheniya, AnEditKeepsWhatAnotherWindowExcludedMeanwhile) {
    const smek::TempFolder dir;
    const fs::path file = dir.path() / "excluded-words.txt";
    ASSERT_FALSE(updateIsklyucheniya(file, {}, {w("МОРГ"), w("ИГО")}));
    const std::set<std::string> shown = readIsklyucheniya(file);
    ASSERT_FALSE(updateIsklyucheniya(file, {}, {w("ЯД")})); // the other window
    // The author took ИГО out and put ЛОМ in, in a list that did not show ЯД.
    ASSERT_FALSE(updateIsklyucheniya(file, shown, {w("МОРГ"), w("ЛОМ")}));
    EXPECT_EQ(readIsklyucheniya(file), (std::set<std::string>{w("ЛОМ"), w("МОРГ"), w("ЯД")}));
}

TEST(Isklyucheniya, CreateModeSkipsThemThroughTheDictionaryTree) {
    const Puzzle all = started(1, {});
    EXPECT_EQ(listed(all), (std::vector<std::string>{"ЕЛКА", "ЛЕС", "КОТИК", "ОТИК", "ТИК"}));
    const Puzzle p = started(1, {w("КОТИК"), w("ЛЕС")});
    // ОТИК and ТИК lie inside КОТИК but are words of their own.
    EXPECT_EQ(listed(p), (std::vector<std::string>{"ЕЛКА", "ОТИК", "ТИК"}));
    EXPECT_EQ(p.Slova[1].Vybrano, 1);
}

TEST(Isklyucheniya, PlayModeAndOpenedGamesNeverApplyThem) {
    const Puzzle play = started(0, {w("КОТИК")});
    EXPECT_EQ(listed(play), (std::vector<std::string>{"ЕЛКА", "ЛЕС", "КОТИК"}));

    // The quiet analysis of a game file keeps the file's words and flags aligned.
    Puzzle quiet;
    quiet.PathData = test::fixtureData();
    quiet.Isklyucheniya = {w("КОТИК")};
    quiet.TypGame = 1;
    quiet.Tekst = play.Tekst;
    AnalizTexta(quiet, 1);
    EXPECT_EQ(quiet.MaxSlova, 4);
}

TEST(Isklyucheniya, ExcludingALineKeepsTheOtherChoices) {
    Puzzle p = started(1, {});
    p.Slova[0].Vybrano = 0;            // the author left ЕЛКА out
    isklyuchitSlovo(p, 2);             // КОТИК
    EXPECT_EQ(listed(p), (std::vector<std::string>{"ЕЛКА", "ЛЕС", "ОТИК", "ТИК"}));
    EXPECT_EQ(p.MaxSlova, 3);
    EXPECT_EQ(p.Slova[0].Vybrano, 0);
    EXPECT_EQ(p.Slova[1].Vybrano, 1);
    EXPECT_EQ(p.Spisok, (std::vector<int>{0, 1, 2, 3}));
    isklyuchitSlovo(p, 7); // no such line
    EXPECT_EQ(p.MaxSpisok, 3);
    for (int i = 0; i < 4; ++i) isklyuchitSlovo(p, 0);
    EXPECT_EQ(p.MaxSpisok, -1);
    EXPECT_EQ(p.MaxSlova, -1);
    EXPECT_EQ(p.Slova.size(), 1u);
    EXPECT_EQ(p.Gotovo, 0);
    EXPECT_FALSE(ShowSlovo(p).mFileSave);
}

} // namespace
} // namespace smek::slovoset
