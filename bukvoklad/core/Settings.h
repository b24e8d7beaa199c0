// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bukvoklad.ini: OptTime, OptSec, OptKolBukv, one settings line each. A
// missing or unreadable file leaves the defaults, silently.
#include "Game.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace smek::bukvoklad {

inline constexpr const char* kSettingsFile = "Bukvoklad.ini";

void readSettings(Game& game, const std::string& content);
void LoadSettings(Game& game, const std::filesystem::path& file);

std::string settingsText(const Game& game);
// Written beside the old file and then renamed over it, so a failed write
// leaves the previous settings intact. Callers ignore the error.
std::error_code SaveFileINI(const std::filesystem::path& file, const Game& game);

} // namespace smek::bukvoklad
