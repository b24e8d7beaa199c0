// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/Cp1251.h"
#include "common/core/Paths.h"

#include <gtest/gtest.h>

using namespace smek;

TEST(PathData, SeparatorFollowsTheProgramFolder) {
    EXPECT_EQ(PathData("C:\\Игры\\Словолов"), "C:\\Игры\\Словолов\\Data\\");
    EXPECT_EQ(PathData("D:\\"), "D:\\Data\\");
    EXPECT_EQ(PathData("/home/user/games"), "/home/user/games/Data/");
    EXPECT_EQ(PathData("/"), "/Data/");
    EXPECT_EQ(PathData("/opt/игры/"), "/opt/игры/Data/");
}

struct DotCase {
    const char* path;
    int expected;
};

class PoiskTochkiTest : public ::testing::TestWithParam<DotCase> {};

TEST_P(PoiskTochkiTest, FindsTheExtensionDotOfTheLastComponent) {
    EXPECT_EQ(PoiskTochki(GetParam().path), GetParam().expected) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(Paths, PoiskTochkiTest,
    ::testing::Values(
        DotCase{"", 0}, DotCase{"a.b", 0}, DotCase{".ab", 0},          // three characters or fewer
        DotCase{"C:\\игра.slv", 12},                                   // bytes: "C:\" 3 + "игра" 8 -> dot at 12
        DotCase{"C:\\Игры\\x.", 14},                                    // a trailing dot is found
        DotCase{"C:\\Мои.игры\\партия", 0},                            // dot in a folder name
        DotCase{"/home/u/game.sst", 13},
        DotCase{"/home/u.d/game", 0},                                  // "/" ends the search here
        DotCase{"/ab.", 4},
        DotCase{"ab.cd", 0}, DotCase{"abc.d", 4},                      // the third character is never looked at
        DotCase{"Лес.html", 7}));                                      // first three characters skipped, not bytes

TEST(Paths, FileNamePartTakesTheLastComponent) {
    EXPECT_EQ(fileNamePart("/a/b/Лес.sst"), "Лес.sst");
    EXPECT_EQ(fileNamePart("C:\\x\\y.slv"), "y.slv");
    EXPECT_EQ(fileNamePart("plain"), "plain");
}

TEST(Paths, TitlesBecomeFileNamesAnySystemHolds) {
    EXPECT_EQ(fileNameOfTitle("Лес/Поле"), "Лес_Поле");
    EXPECT_EQ(fileNameOfTitle(R"(a\b:c*d?e"f<g>h|i)"), "a_b_c_d_e_f_g_h_i");
    EXPECT_EQ(fileNameOfTitle("Строка\tс\nзнаками"), "Строка_с_знаками");
    EXPECT_EQ(fileNameOfTitle("  ..Лес. "), "Лес"); // no hidden file, no name ending in a dot
    EXPECT_EQ(fileNameOfTitle(" . "), "");
    EXPECT_EQ(fileNameOfTitle(smek::w1251("Лес и поле")), smek::w1251("Лес и поле")); // CP1251 bytes stay
}
