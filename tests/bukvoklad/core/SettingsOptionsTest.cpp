#include "TempFolder.h"
#include "bukvoklad/core/Options.h"
#include "bukvoklad/core/Settings.h"
#include "common/core/TextFile.h"

#include <gtest/gtest.h>

using namespace smek;
using namespace smek::bukvoklad;

namespace {

std::string fileBytes(const std::filesystem::path& path) {
    return readTextFile(path).content;
}

} // namespace

TEST(Settings, RoundTripByteForByte) {
    TempFolder folder;
    Game game;
    game.PathData = folder.pathData();
    ASSERT_FALSE(SaveFileINI(folder.path() / kSettingsFile, game));
    EXPECT_EQ(fileBytes(folder.path() / "Bukvoklad.ini"), " 0 \r\n 0 \r\n 0 \r\n");

    game.OptTime = 1;
    game.OptSec = 30;
    game.OptKolBukv = 8;
    ASSERT_FALSE(SaveFileINI(folder.path() / kSettingsFile, game));
    EXPECT_EQ(fileBytes(folder.path() / "Bukvoklad.ini"), " 1 \r\n 30 \r\n 8 \r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1); // nothing left beside it

    Game back;
    back.PathData = folder.pathData();
    LoadSettings(back, folder.path() / kSettingsFile);
    EXPECT_EQ(back.OptTime, 1);
    EXPECT_EQ(back.OptSec, 30);
    EXPECT_EQ(back.OptKolBukv, 8);
}

TEST(Settings, MissingOrDamagedFilesKeepTheDefaults) {
    TempFolder folder;
    Game game;
    game.PathData = folder.pathData();
    LoadSettings(game, folder.path() / kSettingsFile); // no file
    EXPECT_EQ(game.OptTime + game.OptSec + game.OptKolBukv, 0);

    readSettings(game, "1,45\r\n");
    EXPECT_EQ(game.OptTime, 1);
    EXPECT_EQ(game.OptSec, 45);
    EXPECT_EQ(game.OptKolBukv, 0);

    Game other;
    readSettings(other, "x\r\n99999999999\r\n-7\r\n");
    EXPECT_EQ(other.OptTime, 0);
    EXPECT_EQ(other.OptSec, 0);
    EXPECT_EQ(other.OptKolBukv, -7);
}

TEST(Settings, AnUnreadableNumberInTheFileCostsOnlyItsOwnValue) {
    TempFolder folder;
    folder.write("Bukvoklad.ini", " 1 \r\n 3x \r\n 8 \r\n");
    Game game;
    game.PathData = folder.pathData();
    game.OptSec = 20; // what the program had before reading
    LoadSettings(game, folder.path() / kSettingsFile);
    EXPECT_EQ(game.OptTime, 1);
    EXPECT_EQ(game.OptSec, 20);
    EXPECT_EQ(game.OptKolBukv, 8);
}

TEST(Settings, UnwritableFolderFailsWithoutHarm) {
    Game game;
    EXPECT_TRUE(SaveFileINI("/nonexistent-folder-of-bukvoklad/Data/Bukvoklad.ini", game));
}

TEST(OptionsOk, AcceptsAndRefusesAsDesigned) {
    Game game;
    EXPECT_EQ(applyOptions(game, true, " 8", true, "30"), OptionsCheck::Ok);
    EXPECT_EQ(game.OptKolBukv, 8);
    EXPECT_EQ(game.OptTime, 1);
    EXPECT_EQ(game.OptSec, 30);

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
    EXPECT_EQ(game.OptSec, 59);
    EXPECT_EQ(game.OptKolBukv, 0);

    EXPECT_EQ(applyOptions(game, false, "", false, "junk"), OptionsCheck::Ok);
    EXPECT_EQ(game.OptTime, 0);
    EXPECT_EQ(game.OptSec, 0);
    EXPECT_EQ(optionsMessage(OptionsCheck::TooManySeconds), "Максимальное количество секунд - 59");
}
