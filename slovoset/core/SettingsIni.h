// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Slovoset.ini": the one setting of the program, the index of the shortest
// word length, as one settings line.
#include <filesystem>
#include <system_error>

namespace smek::slovoset {

inline constexpr const char* kSettingsFile = "Slovoset.ini";

// 0 when the file is missing, unreadable or holds no number in 0..21.
int LoadFileINI(const std::filesystem::path& file);
// Written beside the old file and renamed over it; the caller ignores the
// error, as the designed program does (it closes in any case).
std::error_code SaveFileINI(const std::filesystem::path& file, int lenSlov);

} // namespace smek::slovoset
