#pragma once
// Bukvoklad.ini in the data folder: OptTime, OptSec, OptKolBukv, one settings
// line each. A missing or unreadable file leaves the defaults, silently.
#include "Game.h"

#include <string>
#include <system_error>

namespace smek::bukvoklad {

std::string settingsPath(const Game& game);
void readSettings(Game& game, const std::string& content);
void LoadSettings(Game& game);

std::string settingsText(const Game& game);
// Written beside the old file and then renamed over it, so a failed write
// leaves the previous settings intact. Callers ignore the error.
std::error_code SaveFileINI(const Game& game);

} // namespace smek::bukvoklad
