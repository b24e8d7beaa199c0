// SPDX-License-Identifier: GPL-3.0-or-later
#include "Settings.h"

#include "common/core/SettingsFile.h"
#include "common/core/TextFile.h"

namespace smek::bukvoklad {

void readSettings(Game& game, const std::string& content) {
    readSettingsNumbers(content, {&game.OptTime, &game.OptSec, &game.OptKolBukv});
}

void LoadSettings(Game& game, const std::filesystem::path& path) {
    const ReadResult file = readTextFile(path);
    if (!file.error) readSettings(game, file.content);
}

std::string settingsText(const Game& game) {
    return settingsLines({game.OptTime, game.OptSec, game.OptKolBukv});
}

std::error_code SaveFileINI(const std::filesystem::path& file, const Game& game) {
    return writeTextFileAtomic(file, settingsText(game));
}

} // namespace smek::bukvoklad
