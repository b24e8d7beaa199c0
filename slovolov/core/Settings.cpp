// SPDX-License-Identifier: GPL-3.0-or-later
#include "Settings.h"

#include "Levels.h"
#include "common/core/SettingsFile.h"
#include "common/core/TextFile.h"

namespace smek::slovolov {

Settings parseSettings(const std::string& content) {
    Settings s;
    smek::readSettingsNumbers(content, {&s.Level, &s.ZamenaBukv, &s.IgraNaVremya, &s.VremyaMin, &s.VremyaSec});
    if (!validLevel(s.Level)) s.Level = 0;
    // The game tests both options for 1; any other value is off, and is kept
    // as 0 so that a saved game's timing flag is always one the game reads.
    if (s.ZamenaBukv != 1) s.ZamenaBukv = 0;
    if (s.IgraNaVremya != 1) s.IgraNaVremya = 0;
    // A limit outside 0..59 could never count down to 00:00 (a negative one)
    // or could not be shown in the level dialog; such a value reads as 0.
    if (s.VremyaMin < 0 || s.VremyaMin > 59) s.VremyaMin = 0;
    if (s.VremyaSec < 0 || s.VremyaSec > 59) s.VremyaSec = 0;
    // A timed game of 0:00 would be lost on the first tick; the level dialog
    // refuses that limit, so such a file reads as the untimed game it allows.
    if (s.IgraNaVremya == 1 && s.VremyaMin == 0 && s.VremyaSec == 0) s.IgraNaVremya = 0;
    return s;
}

std::string settingsText(const Settings& s) {
    return smek::settingsLines({s.Level, s.ZamenaBukv, s.IgraNaVremya, s.VremyaMin, s.VremyaSec});
}

Settings LoadFileINI(const std::filesystem::path& path) {
    const smek::ReadResult file = smek::readTextFile(path);
    if (file.error) return {};
    return parseSettings(file.content);
}

std::error_code SaveFileINI(const std::filesystem::path& file, const Settings& settings) {
    return smek::writeTextFileAtomic(file, settingsText(settings));
}

} // namespace smek::slovolov
