// SPDX-License-Identifier: GPL-3.0-or-later
// A board built with a word theme: its lengths come from the theme, the
// others from all words, and the board says which.
#include "Helpers.h"
#include "common/core/Themes.h"
#include "slovolov/core/SavedGame.h"

#include <set>

namespace smek::slovolov::test {
namespace {

TEST(ThemeBoard, TakesTheThemesWordsAndNamesTheLengthsItLacks) {
    TempFolder folder;
    for (const auto& f : fs::directory_iterator(wordsDir())) fs::copy_file(f.path(), folder.path() / f.path().filename());
    const fs::path theme = folder.path() / smek::kThemesFolder / "Животные";
    fs::create_directories(theme);
    ASSERT_FALSE(smek::writeTextFileAtomic(theme / "Слова.4", " 1 \r\n" + smek::w1251("ЛИСА") + "\r\n"));
    ASSERT_FALSE(smek::writeTextFileAtomic(theme / "Слова.5", " 1 \r\n" + smek::w1251("БЕЛКА") + "\r\n"));

    for (std::uint64_t seed : {1u, 2u, 3u}) {
        GameState g;
        g.settings.Level = 0; // 7, 6, 5, 4, 4, 3
        g.theme = "Животные";
        resetForNewGame(g);
        smek::Random random(seed);
        const BuildResult r = buildBoard(g, folder.pathData(), random);
        ASSERT_EQ(r.status, BuildResult::Status::Ok);
        // Two slots of four letters, one theme word: the second comes from
        // all words, and the note names the length.
        EXPECT_EQ(r.themeFellBack, (std::vector<int>{3, 4, 6, 7}));
        EXPECT_EQ(g.Slova[2], smek::w1251("БЕЛКА"));
        EXPECT_EQ(g.Slova[3], smek::w1251("ЛИСА"));
        EXPECT_NE(g.Slova[4], smek::w1251("ЛИСА"));
        EXPECT_EQ(g.Slova[4].size(), 4u);
        EXPECT_EQ(readWord(g, 2), g.Slova[2]);
        EXPECT_EQ(readWord(g, 4), g.Slova[4]);
    }

    // All words: nothing to report, and the theme's words are not among them.
    BuildResult all;
    const GameState g = built(0, 1, folder.pathData(), &all);
    EXPECT_TRUE(all.themeFellBack.empty());
    EXPECT_NE(g.Slova[2], smek::w1251("БЕЛКА"));
}

// Level 2 has three slots of five letters and two of four; the theme holds
// two words of each. Every board holds each word once: the four-letter slots
// take both theme words, the third five-letter slot one of all words, and the
// note names that length only.
TEST(ThemeBoard, NoWordTwiceOnABoard) {
    TempFolder folder;
    for (const auto& f : fs::directory_iterator(wordsDir())) fs::copy_file(f.path(), folder.path() / f.path().filename());
    const fs::path theme = folder.path() / smek::kThemesFolder / "Праздники";
    fs::create_directories(theme);
    for (int n = 3; n <= 19; ++n) {
        std::string body;
        const int count = n == 4 || n == 5 ? 2 : 40;
        for (int i = 0; i < count; ++i) {
            std::string w(static_cast<size_t>(n), smek::letterAt(1 + i % 32));
            w[0] = smek::letterAt(1 + i / 32 % 32);
            w[1] = smek::letterAt(1 + (i + n) % 32);
            body += w + "\r\n";
        }
        ASSERT_FALSE(smek::writeTextFileAtomic(theme / ("Слова." + std::to_string(n)), std::to_string(count) + "\r\n" + body));
    }
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        GameState g;
        g.settings.Level = 2;
        g.theme = "Праздники";
        resetForNewGame(g);
        smek::Random random(seed);
        const BuildResult r = buildBoard(g, folder.pathData(), random);
        ASSERT_EQ(r.status, BuildResult::Status::Ok);
        const std::set<std::string> distinct(g.Slova.begin(), g.Slova.end());
        EXPECT_EQ(distinct.size(), g.Slova.size()) << "seed " << seed;
        EXPECT_EQ(r.themeFellBack, std::vector<int>{5}) << "seed " << seed;
    }
}

// All words of a length fewer than its slots: the board still builds, with a
// word twice, and such a game saves and opens as before.
TEST(ThemeBoard, TooFewWordsAnywhereRepeatAndTheGameStillOpens) {
    TempFolder folder;
    for (const auto& f : fs::directory_iterator(wordsDir()))
        if (f.path().extension() != ".4") fs::copy_file(f.path(), folder.path() / f.path().filename());
    ASSERT_FALSE(smek::writeTextFileAtomic(folder.path() / "Слова.4", "1\r\n" + smek::w1251("ЛИСА") + "\r\n"));
    BuildResult r;
    const GameState g = built(0, 1, folder.pathData(), &r); // 7, 6, 5, 4, 4, 3
    ASSERT_EQ(r.status, BuildResult::Status::Ok);
    EXPECT_EQ(g.Slova[3], smek::w1251("ЛИСА"));
    EXPECT_EQ(g.Slova[4], smek::w1251("ЛИСА"));
    const auto loaded = parseSlv(slvText(g));
    ASSERT_TRUE(loaded);
    GameState back;
    applyLoaded(back, *loaded);
    EXPECT_EQ(back.Slova, g.Slova);
}

} // namespace
} // namespace smek::slovolov::test
