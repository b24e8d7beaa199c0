// SPDX-License-Identifier: GPL-3.0-or-later
#include "TempFolder.h"
#include "bukvoklad/core/Options.h"
#include "bukvoklad/core/Settings.h"
#include "common/core/TextFile.h"

#include <array>
#include <gtest/gtest.h>
#include <tuple>

using namespace smek;
using namespace smek::bukvoklad;

namespace {

std::string fileBytes(const std::filesystem::path& path) {
    return readTextFile(path).content;
}

// OptTime, OptSec, OptKolBukv: the settings in the file's order.
std::array<int, 3> options(const Game& game) {
    return {game.OptTime, game.OptSec, game.OptKolBukv};
}

} // namespace

TEST(Settings, RoundTripByteForByte) {
    TempFolder folder;
    Game game;
    game.PathData = folder.pathData();
    ASSERT_FALSE(SaveFileINI(folder.path() / kSettingsFile, game));
    EXPECT_EQ(fileBytes(folder.path() / "Bukvoklad.ini"), " 0 \r\n 0 \r\n 0 \r\n");

    std::tie(game.OptTime, game.OptSec, game.OptKolBukv) = std::tuple(1, 30, 8);
    ASSERT_FALSE(SaveFileINI(folder.path() / kSettingsFile, game));
    EXPECT_EQ(fileBytes(folder.path() / "Bukvoklad.ini"), " 1 \r\n 30 \r\n 8 \r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1); // nothing left beside it

    Game back;
    back.PathData = folder.pathData();
    LoadSettings(back, folder.path() / kSettingsFile);
    EXPECT_EQ(options(back), (std::array{1, 30, 8}));
}

TEST(Settings, MissingOrDamagedFilesKeepTheDefaults) {
    TempFolder folder;
    Game game;
    game.PathData = folder.pathData();
    LoadSettings(game, folder.path() / kSettingsFile); // no file
    EXPECT_EQ(options(game), (std::array{0, 0, 0}));
    readSettings(game, "1,45\r\n");
    EXPECT_EQ(options(game), (std::array{1, 45, 0}));
    Game other;
    readSettings(other, "x\r\n99999999999\r\n-7\r\n");
    EXPECT_EQ(options(other), (std::array{0, 0, -7}));
}

TEST(Settings, AnUnreadableNumberInTheFileCostsOnlyItsOwnValue) {
    TempFolder folder;
    folder.write("Bukvoklad.ini", " 1 \r\n 3x \r\n 8 \r\n");
    Game game;
    game.PathData = folder.pathData();
    game.OptSec = 20; // what the program had before reading
    LoadSettings(game, folder.path() / kSettingsFile);
    EXPECT_EQ(options(game), (std::array{1, 20, 8}));
}

TEST(Settings, UnwritableFolderFailsWithoutHarm) {
    Game game;
    EXPECT_TRUE(SaveFileINI("/nonexistent-folder-of-bukvoklad/Data/Bukvoklad.ini", game));
}

TEST(OptionsOk, AcceptsAndRefusesAsDesigned) {
    Game game;
    EXPECT_EQ(applyOptions(game, true, " 8", true, "30"), OptionsCheck::Ok);
    EXPECT_EQ(options(game), (std::array{1, 30, 8}));

    EXPECT_EQ(applyOptions(game, true, "", true, "20"), OptionsCheck::NoLength);
    EXPECT_EQ(game.OptSec, 30); // nothing stored

    for (const char* noTime : {"", "0", "abc", "0.4", "-5"}) {
        Game g;
        EXPECT_EQ(applyOptions(g, true, " 12", true, noTime), OptionsCheck::NoTime) << noTime;
        EXPECT_EQ(g.OptKolBukv, 12) << "the length stays stored after a refused time";
        EXPECT_EQ(g.OptTime, 0);
    }
    for (const char* tooMany : {"60", "59.5", "99999999999999999999"})
        EXPECT_EQ(applyOptions(game, false, "", true, tooMany), OptionsCheck::TooManySeconds) << tooMany;
    EXPECT_EQ(applyOptions(game, false, "", true, "59"), OptionsCheck::Ok);
    EXPECT_EQ(options(game), (std::array{1, 59, 0}));
    EXPECT_EQ(applyOptions(game, false, "", false, "junk"), OptionsCheck::Ok);
    EXPECT_EQ(options(game), (std::array{0, 0, 0}));
    EXPECT_EQ(optionsMessage(OptionsCheck::TooManySeconds), "Максимальное количество секунд - 59");
}
