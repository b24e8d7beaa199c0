// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The word-search window tests' folder: the fixture word files in its Data/
// folder, and the window opened over it.
#include "QtFolder.h"
#include "ScriptedPrompts.h"
#include "TestPlaces.h"
#include "slovolov/ui/frmSlovolov.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace smek::slovolov::test {

inline std::string dataOf(const TempFolder& dir) { return dir.path().string() + "/Data/"; }

inline std::unique_ptr<TempFolder> folderWithWords() {
    namespace fs = std::filesystem;
    auto dir = std::make_unique<TempFolder>();
    fs::create_directories(dataOf(*dir));
    for (const auto& f : fs::directory_iterator(std::string(FIXTURES_DIR) + "/slovolov/words"))
        fs::copy_file(f.path(), dataOf(*dir) + f.path().filename().string());
    return dir;
}

// Shown; starting its first game is the test's.
inline std::unique_ptr<frmSlovolov> openWindow(ScriptedPrompts& prompts, const TempFolder& dir,
                                               const Settings& settings, std::uint64_t seed,
                                               const std::string& own = {}) {
    auto w = std::make_unique<frmSlovolov>(prompts, testPlaces(dataOf(dir), own), settings,
                                           std::make_unique<Random>(seed));
    w->show();
    return w;
}

// What every window test case starts from: a folder of its own with the
// fixture words, fresh prompts, and the window once the case opens it.
class WindowCase {
protected:
    void setUp() {
        dir_ = folderWithWords();
        prompts_ = std::make_unique<ScriptedPrompts>(QStringLiteral("Смекалия - Словолов"));
    }
    void tearDown() {
        w_.reset();
        prompts_.reset();
        dir_.reset();
    }
    std::string data() const { return dataOf(*dir_); }

    std::unique_ptr<TempFolder> dir_;
    std::unique_ptr<ScriptedPrompts> prompts_;
    std::unique_ptr<frmSlovolov> w_;
};

} // namespace smek::slovolov::test
