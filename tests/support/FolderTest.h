// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A GoogleTest fixture with a folder of its own, removed afterwards.
#include "TempFolder.h"

#include "common/core/TextFile.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

class FolderTest : public ::testing::Test {
protected:
    static void put(const std::filesystem::path& p, const std::string& content) {
        std::filesystem::create_directories(p.parent_path());
        ASSERT_FALSE(smek::writeTextFileAtomic(p, content));
    }
    std::string data() const { return dir.string() + "/Data/"; }
    smek::TempFolder folder;
    std::filesystem::path dir = folder.path();
};
