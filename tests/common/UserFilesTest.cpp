// SPDX-License-Identifier: GPL-3.0-or-later
// Where the programs keep the player's files: the portable rule, settings
// with shipped defaults, private page folders and remembered dialog folders.
#include "FolderTest.h"
#include "common/core/DialogFolders.h"
#include "common/core/TextFile.h"
#include "common/core/UserFiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace smek;
namespace fs = std::filesystem;

namespace {

class UserFiles : public FolderTest {
protected:
    void SetUp() override {
        data = (dir / "prog" / "Data").string() + "/";
        fs::create_directories(data);
        user.config = dir / "config";
        user.temp = dir / "tmp";
        user.documents = dir / "home" / "Documents";
        user.home = dir / "home";
        fs::create_directories(user.temp);
        fs::create_directories(user.home);
    }
    static mode_t modeOf(const fs::path& p) {
        struct stat st {};
        ::stat(p.c_str(), &st);
        return st.st_mode & 0777;
    }
    std::string data;
    UserFolders user;
};

} // namespace

TEST_F(UserFiles, AWritableUnmarkedFolderIsPortableAndKeepsTheDesignedPlace) {
    const Places p = placesFor(data, user);
    EXPECT_TRUE(isPortable(data));
    EXPECT_EQ(p.own, data);
    EXPECT_EQ(settingsToRead(p, "Slovolov.ini"), fs::path(data) / "Slovolov.ini");
    EXPECT_EQ(settingsToWrite(p, "Slovolov.ini"), fs::path(data) / "Slovolov.ini");
    EXPECT_FALSE(fs::exists(user.config)); // nothing made in the user's folders
}

TEST_F(UserFiles, AnInstalledFolderReadsShippedDefaultsAndWritesPerUser) {
    put(fs::path(data) / kInstalledMarker, "");
    put(fs::path(data) / "Slovoset.ini", " 5 \r\n"); // the shipped default
    const Places p = placesFor(data, user);
    EXPECT_FALSE(isPortable(data)); // also for root, who could write the folder
    EXPECT_EQ(p.own, (user.config / "smekalia").string() + "/");
    EXPECT_EQ(settingsToRead(p, "Slovoset.ini"), fs::path(data) / "Slovoset.ini");

    const fs::path own = settingsToWrite(p, "Slovoset.ini");
    EXPECT_EQ(own, user.config / "smekalia" / "Slovoset.ini");
    EXPECT_TRUE(fs::is_directory(user.config / "smekalia"));
    put(own, " 7 \r\n");
    EXPECT_EQ(settingsToRead(p, "Slovoset.ini"), own); // the player's copy wins from now on
    EXPECT_EQ(readTextFile(fs::path(data) / "Slovoset.ini").content, " 5 \r\n");
}

TEST_F(UserFiles, AnUnwritableFolderIsNotPortable) {
    if (runningAsRoot()) GTEST_SKIP() << kNeedsOrdinaryUser;
    fs::permissions(data, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_FALSE(isPortable(data));
    EXPECT_EQ(placesFor(data, user).own, (user.config / "smekalia").string() + "/");
}

TEST_F(UserFiles, PagesGoToTheSessionFolderElseAPrivateOneInTemp) {
    user.runtime = dir / "run";
    fs::create_directories(user.runtime);
    EXPECT_EQ(placesFor(data, user).pages, user.runtime / "smekalia");
    user.runtime.clear();
    const fs::path mine = user.temp / ("smekalia-" + std::to_string(::geteuid()));
    EXPECT_EQ(placesFor(data, user).pages, mine);

    EXPECT_EQ(privateFolder(mine, user.temp), mine);
    EXPECT_EQ(modeOf(mine), 0700u);
    EXPECT_EQ(privateFolder(mine, user.temp), mine); // found again

    // Opened to others (or a link planted in its place): never used.
    fs::permissions(mine, fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add);
    const auto fresh = privateFolder(mine, user.temp);
    ASSERT_TRUE(fresh);
    EXPECT_NE(*fresh, mine);
    EXPECT_EQ(fresh->parent_path(), user.temp);
    EXPECT_EQ(modeOf(*fresh), 0700u);
    const fs::path planted = user.temp / "planted";
    fs::create_directory_symlink(dir, planted);
    EXPECT_NE(privateFolder(planted, user.temp), planted);

    EXPECT_FALSE(privateFolder(dir / "none" / "x", dir / "none"));
}

TEST_F(UserFiles, FoldersFileKeepsOneLinePerKind) {
    const FolderMap folders = parseFolders("slv\t/home/u/игры\r\nhtml\t/srv/a b\nbroken line\n\t/x\nsst\t\n");
    EXPECT_EQ(folders, (FolderMap{{"slv", "/home/u/игры"}, {"html", "/srv/a b"}}));
    EXPECT_EQ(parseFolders(foldersText(folders)), folders);
    EXPECT_EQ(foldersText({{"slv", "/a\nb"}, {"sst", "/c"}}), "sst\t/c\n"); // a name that could not be read back
    // A CR inside a name is kept; one left at its end after the line end's is
    // no name written here, on either side.
    EXPECT_EQ(parseFolders("slv\t/a\rb\r\nsst\t/c\r\r\n"), (FolderMap{{"slv", "/a\rb"}}));
    EXPECT_EQ(foldersText({{"slv", "/a\rb"}, {"sst", "/c\r"}}), "slv\t/a\rb\n");
}

TEST_F(UserFiles, DialogsStartInTheRememberedFolderElseDocumentsElseHome) {
    const fs::path file = user.config / "smekalia" / kFoldersFile;
    EXPECT_EQ(startFolder(file, "slv", user.documents, user.home), user.home); // no Documents folder yet
    fs::create_directories(user.documents);
    EXPECT_EQ(startFolder(file, "slv", user.documents, user.home), user.documents);

    const fs::path games = dir / "игры";
    fs::create_directories(games);
    rememberFolder(file, "slv", games / "партия.slv");
    rememberFolder(file, "html", user.home / "x.html");
    EXPECT_EQ(startFolder(file, "slv", user.documents, user.home), games);
    EXPECT_EQ(startFolder(file, "html", user.documents, user.home), user.home);
    EXPECT_EQ(startFolder(file, "sst", user.documents, user.home), user.documents); // each kind its own

    // A remembered folder that is gone (or is no folder) is passed over.
    fs::remove_all(games);
    put(games, "");
    EXPECT_EQ(startFolder(file, "slv", user.documents, user.home), user.documents);
    rememberFolder(file, "slv", "relative.slv"); // no folder to remember
    EXPECT_EQ(parseFolders(readTextFile(file).content).at("slv"), games.string());
}

TEST_F(UserFiles, AnUnwritableRememberedFolderIsPassedOver) {
    if (runningAsRoot()) GTEST_SKIP() << kNeedsOrdinaryUser;
    const fs::path file = user.config / kFoldersFile;
    const fs::path locked = dir / "locked";
    fs::create_directories(locked);
    rememberFolder(file, "slv", locked / "a.slv");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(startFolder(file, "slv", user.documents, user.home), user.home);
    fs::permissions(locked, fs::perms::owner_all);
}
