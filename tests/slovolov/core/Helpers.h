#pragma once
// Shared by the word-search core tests: fixture folders, temporary folders,
// and reading a board back.
#include "common/core/Alphabet.h"
#include "common/core/Cp1251.h"
#include "common/core/TextFile.h"
#include "slovolov/core/Game.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string>

namespace slovolov::test {

namespace fs = std::filesystem;

inline std::string wordsDir() { return std::string(FIXTURES_DIR) + "/slovolov/words/"; }
inline std::string shippedDir() { return std::string(DATA_SOURCE_DIR) + "/slovolov/"; }

class TempFolder {
public:
    TempFolder() {
        std::string name = (fs::temp_directory_path() / "slovolov-test-XXXXXX").string();
        path_ = mkdtemp(name.data());
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    // The folder as a data folder: ends with "/".
    std::string data() const { return path_.string() + "/"; }
    const fs::path& path() const { return path_; }
    void put(const std::string& name, const std::string& content) const {
        ASSERT_FALSE(smek::writeTextFileAtomic(path_ / name, content));
    }

private:
    fs::path path_;
};

// A game built at a level from a seed.
inline GameState built(int level, std::uint64_t seed, const std::string& folder = wordsDir(),
                       BuildResult* result = nullptr) {
    GameState g;
    g.settings.Level = level;
    resetForNewGame(g);
    smek::Random random(seed);
    BuildResult r = buildBoard(g, folder, random);
    if (result) *result = r;
    return g;
}

// The letters along word i's cells, first letter first.
inline std::string readWord(const GameState& g, int i) {
    std::vector<Cell> cells = g.wordCells(i);
    if (g.Recs[static_cast<size_t>(i)][5] == 2) std::reverse(cells.begin(), cells.end());
    std::string out;
    for (const Cell& c : cells) out += smek::letterAt(std::abs(g.Grid(c.x, c.y)));
    return out;
}

} // namespace slovolov::test
