// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The five settings of the word-search game and its settings file
// "Slovolov.ini": five numbers, one a line, " 1 " CR LF.
#include <filesystem>
#include <string>
#include <system_error>

namespace smek::slovolov {

struct Settings {
    int Level = 0;        // 0, 1 or 2
    int ZamenaBukv = 0;   // 1 = refill found words with random letters
    int IgraNaVremya = 0; // 1 = game against the clock
    int VremyaMin = 0;    // time limit, minutes
    int VremyaSec = 0;    // time limit, seconds
};

inline const char* kSettingsFile = "Slovolov.ini";

// Free-format reading; values that are missing or not numbers stay 0. A Level
// outside 0..2 (never written by the program) falls back to 0, an option flag
// other than 1 to 0.
Settings parseSettings(const std::string& content);
std::string settingsText(const Settings& settings);

// A missing or unreadable file gives the defaults; nothing is reported.
Settings LoadFileINI(const std::filesystem::path& file);
// Writes beside the old file and replaces it only after a good write; the
// caller reports nothing (the design's settings file fails silently).
std::error_code SaveFileINI(const std::filesystem::path& file, const Settings& settings);

} // namespace smek::slovolov
