// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared by the word-search core tests: fixture folders, temporary folders,
// and reading a board back.
#include "common/core/Alphabet.h"
#include "common/core/Cp1251.h"
#include "common/core/TextFile.h"
#include "TempFolder.h"
#include "slovolov/core/Game.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace smek::slovolov::test {

namespace fs = std::filesystem;

inline std::string wordsDir() { return std::string(FIXTURES_DIR) + "/slovolov/words/"; }
inline std::string shippedDir() { return std::string(DATA_SOURCE_DIR) + "/slovolov/"; }

using smek::TempFolder;

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

} // namespace smek::slovolov::test
