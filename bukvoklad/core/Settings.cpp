#include "Settings.h"

#include "common/core/FreeFormat.h"
#include "common/core/NumberText.h"
#include "common/core/TextFile.h"

namespace smek::bukvoklad {

std::string settingsPath(const Game& game) {
    return game.PathData + "Bukvoklad.ini";
}

void readSettings(Game& game, const std::string& content) {
    FreeFormatReader reader(content);
    // An item that is missing or not a number leaves its field as it was.
    for (int* field : {&game.OptTime, &game.OptSec, &game.OptKolBukv})
        if (const auto value = reader.readNumber()) *field = *value;
}

void LoadSettings(Game& game) {
    const ReadResult file = readTextFile(settingsPath(game));
    if (!file.error) readSettings(game, file.content);
}

std::string settingsText(const Game& game) {
    return settingsLine(game.OptTime) + settingsLine(game.OptSec) + settingsLine(game.OptKolBukv);
}

std::error_code SaveFileINI(const Game& game) {
    return writeTextFileAtomic(settingsPath(game), settingsText(game));
}

} // namespace smek::bukvoklad
