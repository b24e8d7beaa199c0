#include "Settings.h"

#include "common/core/SettingsFile.h"
#include "common/core/TextFile.h"

namespace smek::bukvoklad {

std::string settingsPath(const Game& game) {
    return game.PathData + "Bukvoklad.ini";
}

void readSettings(Game& game, const std::string& content) {
    readSettingsNumbers(content, {&game.OptTime, &game.OptSec, &game.OptKolBukv});
}

void LoadSettings(Game& game) {
    const ReadResult file = readTextFile(settingsPath(game));
    if (!file.error) readSettings(game, file.content);
}

std::string settingsText(const Game& game) {
    return settingsLines({game.OptTime, game.OptSec, game.OptKolBukv});
}

std::error_code SaveFileINI(const Game& game) {
    return writeTextFileAtomic(settingsPath(game), settingsText(game));
}

} // namespace smek::bukvoklad
