#pragma once
// A folder of its own for each test, removed afterwards.
#include "common/core/TextFile.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string>

class TempDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string name = (std::filesystem::temp_directory_path() / "smek-test-XXXXXX").string();
        dir = mkdtemp(name.data());
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    static void put(const std::filesystem::path& p, const std::string& content) {
        std::filesystem::create_directories(p.parent_path());
        ASSERT_FALSE(smek::writeTextFileAtomic(p, content));
    }
    std::string data() const { return dir.string() + "/Data/"; }
    std::filesystem::path dir;
};
