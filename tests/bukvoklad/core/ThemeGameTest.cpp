// SPDX-License-Identifier: GPL-3.0-or-later
// A compose-a-word game with a word theme.
#include "TempFolder.h"
#include "bukvoklad/core/NewGame.h"
#include "common/core/Themes.h"

#include <gtest/gtest.h>

#include <set>

using namespace smek;
using namespace smek::bukvoklad;

namespace {

struct ThemedFolder : TempFolder {
    ThemedFolder() {
        std::filesystem::create_directories(path() / kThemesFolder / "Еда");
        words("Слова.6", {"ДЕРЕВО"});
        words("Слова.7", {"АВТОБУС"});
        words(std::string(kThemesFolder) + "/Еда/Слова.6", {"ПЕЧЕНЬ"});
        words(std::string(kThemesFolder) + "/Еда/Слова.3", {"СЫР"});
    }
    Game game(int optKolBukv) const {
        Game g;
        g.PathData = pathData();
        g.OptKolBukv = optKolBukv;
        g.Tema = "Еда";
        return g;
    }
};

TEST(ThemeGame, ARandomLengthIsOneTheThemeHasFromFiveUp) {
    Random random(3);
    std::set<int> seen;
    for (int i = 0; i < 200; ++i) seen.insert(chooseLength(0, {3, 6, 9, 20}, random));
    EXPECT_EQ(seen, (std::set<int>{6, 9})); // 3 is below the random range, 20 beyond the board
    // A theme with nothing usable: the designed 5..19.
    for (int i = 0; i < 200; ++i) seen.insert(chooseLength(0, {3}, random));
    EXPECT_EQ(seen.size(), 15u);
    EXPECT_EQ(chooseLength(7, {6}, random), 7); // a fixed length stays
}

TEST(ThemeGame, TakesTheThemesWordOrFallsBackToAllWordsAndSaysSo) {
    ThemedFolder folder;
    Random random(5);
    Game own = folder.game(0);
    const NewGameResult r = NewGame(own, random);
    ASSERT_EQ(r.status, NewGameResult::Status::Ok);
    EXPECT_FALSE(r.themeFellBack);
    EXPECT_EQ(own.Slovo, w1251("ПЕЧЕНЬ"));

    Game lacking = folder.game(7);
    const NewGameResult fell = NewGame(lacking, random);
    ASSERT_EQ(fell.status, NewGameResult::Status::Ok);
    EXPECT_TRUE(fell.themeFellBack);
    EXPECT_EQ(lacking.Slovo, w1251("АВТОБУС"));

    Game none = folder.game(8); // neither has it: the designed message
    EXPECT_EQ(NewGame(none, random).status, NewGameResult::Status::NoDatabase);
}

} // namespace
