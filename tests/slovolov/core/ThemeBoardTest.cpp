// A board built with a word theme: its lengths come from the theme, the
// others from all words, and the board says which.
#include "Helpers.h"
#include "common/core/Themes.h"

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
        EXPECT_EQ(r.themeFellBack, (std::vector<int>{3, 6, 7}));
        EXPECT_EQ(g.Slova[2], smek::w1251("БЕЛКА"));
        EXPECT_EQ(g.Slova[3], smek::w1251("ЛИСА"));
        EXPECT_EQ(g.Slova[4], smek::w1251("ЛИСА"));
        EXPECT_EQ(readWord(g, 2), g.Slova[2]);
    }

    // All words: nothing to report, and the theme's words are not among them.
    BuildResult all;
    const GameState g = built(0, 1, folder.pathData(), &all);
    EXPECT_TRUE(all.themeFellBack.empty());
    EXPECT_NE(g.Slova[2], smek::w1251("БЕЛКА"));
}

} // namespace
} // namespace smek::slovolov::test
