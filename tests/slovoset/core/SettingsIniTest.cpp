// SPDX-License-Identifier: GPL-3.0-or-later
#include "TempFolder.h"
#include "slovoset/core/SettingsIni.h"

#include "common/core/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace smek::slovoset;
namespace fs = std::filesystem;

TEST(SettingsIni, FirstStartReadsZeroAndClosingWritesTheLine) {
    const smek::TempFolder folder;
    const fs::path file = folder.path() / kSettingsFile;
    EXPECT_EQ(LoadFileINI(file), 0);
    ASSERT_FALSE(SaveFileINI(file, 0));
    EXPECT_EQ(smek::readTextFile(file).content, " 0 \r\n");
    ASSERT_FALSE(SaveFileINI(file, 7));
    EXPECT_EQ(LoadFileINI(file), 7);
}

TEST(SettingsIni, ValuesOutsideTheChoiceAndBadContentSelectTheFirstEntry) {
    const smek::TempFolder folder;
    const fs::path file = folder.path() / kSettingsFile;
    for (const char* content : {" 22 \r\n", "-1\r\n", "abc\r\n", "", "\xD0\xB9"}) {
        ASSERT_FALSE(smek::writeTextFileAtomic(file, content));
        EXPECT_EQ(LoadFileINI(file), 0) << content;
    }
    ASSERT_FALSE(smek::writeTextFileAtomic(file, "21"));
    EXPECT_EQ(LoadFileINI(file), 21);
}

TEST(SettingsIni, AnUnwritableFolderIsReportedToTheCaller) {
    EXPECT_TRUE(SaveFileINI("/nonexistent-folder/x/Slovoset.ini", 3));
}
