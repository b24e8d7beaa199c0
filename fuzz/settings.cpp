// SPDX-License-Identifier: GPL-3.0-or-later
// The three settings files: any bytes give settings the game can use, and
// what is written back reads back the same.
#include "Fuzz.h"
#include "bukvoklad/core/Settings.h"
#include "slovolov/core/Settings.h"
#include "slovoset/core/SettingsIni.h"

#include "common/core/NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(fuzz::bytes(data, size));

    const smek::slovolov::Settings s = smek::slovolov::parseSettings(text);
    fuzz::check(s.Level >= 0 && s.Level <= 2, "slovolov: a level outside the tables");
    fuzz::check(s.ZamenaBukv == 0 || s.ZamenaBukv == 1, "slovolov: refill flag");
    fuzz::check(s.IgraNaVremya == 0 || s.IgraNaVremya == 1, "slovolov: timing flag");
    fuzz::check(s.VremyaMin >= 0 && s.VremyaMin <= 59 && s.VremyaSec >= 0 && s.VremyaSec <= 59, "slovolov: time");
    const smek::slovolov::Settings back = smek::slovolov::parseSettings(smek::slovolov::settingsText(s));
    fuzz::check(smek::slovolov::settingsText(back) == smek::slovolov::settingsText(s), "slovolov: written settings read back otherwise");

    smek::bukvoklad::Game game;
    smek::bukvoklad::readSettings(game, text);
    smek::bukvoklad::Game game2;
    smek::bukvoklad::readSettings(game2, smek::bukvoklad::settingsText(game));
    fuzz::check(game2.OptTime == game.OptTime && game2.OptSec == game.OptSec && game2.OptKolBukv == game.OptKolBukv,
                "bukvoklad: written settings read back otherwise");

    const std::string file = fuzz::putFile(smek::slovoset::kSettingsFile, text);
    const int lenSlov = smek::slovoset::LoadFileINI(file);
    fuzz::check(lenSlov >= 0 && lenSlov <= 21, "slovoset: a length index outside the choice");
    // What SaveFileINI writes, without its syncs.
    fuzz::check(smek::slovoset::LoadFileINI(fuzz::putFile(smek::slovoset::kSettingsFile, smek::settingsLine(lenSlov))) == lenSlov,
                "slovoset: the written length reads back otherwise");
    return 0;
}
