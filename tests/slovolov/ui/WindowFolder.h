#pragma once
// The word-search window tests' folder: the fixture word files in its Data/
// folder, and the window opened over it.
#include "ScriptedPrompts.h"
#include "TestPlaces.h"
#include "slovolov/ui/frmSlovolov.h"

#include <QTemporaryDir>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace smek::slovolov::test {

inline std::string dataOf(const QTemporaryDir& dir) { return dir.path().toStdString() + "/Data/"; }

inline std::unique_ptr<QTemporaryDir> folderWithWords() {
    namespace fs = std::filesystem;
    auto dir = std::make_unique<QTemporaryDir>();
    fs::create_directories(dataOf(*dir));
    for (const auto& f : fs::directory_iterator(std::string(FIXTURES_DIR) + "/slovolov/words"))
        fs::copy_file(f.path(), dataOf(*dir) + f.path().filename().string());
    return dir;
}

// Shown; starting its first game is the test's.
inline std::unique_ptr<frmSlovolov> openWindow(ScriptedPrompts& prompts, const QTemporaryDir& dir,
                                               const Settings& settings, std::uint64_t seed,
                                               const std::string& own = {}) {
    auto w = std::make_unique<frmSlovolov>(prompts, testPlaces(dataOf(dir), own), settings,
                                           std::make_unique<Random>(seed));
    w->show();
    return w;
}

} // namespace smek::slovolov::test
