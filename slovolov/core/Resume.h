// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game in progress kept when the window closes and offered back at the
// next start: a file of its own in the player's own folder, in the saved-game
// format, never one of the player's saved games.
#include "SavedGame.h"

#include <filesystem>
#include <optional>

namespace smek::slovolov {

inline const char* kResumeFile = "slovolov-resume.slv";

// A kept game, and whether the statistics had already counted it as started
// (its first move was made before the close), so that it is not counted again.
struct KeptGame {
    LoadedGame game;
    bool started = false;
};

// Beside the kept game, an empty file that says it was counted as started.
std::filesystem::path startedMark(const std::filesystem::path& file);

// At close: a game in progress that would open again is written to file (the
// time left of a timed game included); otherwise an old file is removed, so
// a finished game is never offered. False when a game could not be kept
// (an own puzzle in play whose words are not the level's slots).
bool keepForResume(const GameState& g, const std::filesystem::path& file, bool started = false);

// At start: the kept game, read and checked as an opened game is, or nullopt
// (no file, or one that does not fit). The files are removed either way, so a
// game is offered once.
std::optional<KeptGame> takeResume(const std::filesystem::path& file);

} // namespace smek::slovolov
