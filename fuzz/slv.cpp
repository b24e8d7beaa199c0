// SPDX-License-Identifier: GPL-3.0-or-later
// .slv: whatever loads saves back to a file that loads to the same game.
#include "Fuzz.h"
#include "slovolov/core/SavedGame.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(fuzz::bytes(data, size));
    fuzz::check(smek::slovolov::slvHeaderLine(text.substr(0, text.find_first_of("\r\n"))) ||
                    !smek::slovolov::parseSlv(text),
                "a file loaded whose first line is not the header");
    const auto loaded = smek::slovolov::parseSlv(text);
    if (!loaded) return 0;
    smek::slovolov::GameState g;
    smek::slovolov::applyLoaded(g, *loaded);
    g.OstMin = g.settings.VremyaMin;
    g.OstSec = g.settings.VremyaSec;
    fuzz::check(smek::slovolov::completeGame(g), "a loaded game is not complete");
    const std::string saved = smek::slovolov::slvText(g);
    const auto again = smek::slovolov::parseSlv(saved);
    fuzz::check(again.has_value(), "the saved game does not load");
    fuzz::check(again->Slova == loaded->Slova && again->Found == loaded->Found && again->Recs == loaded->Recs &&
                    again->cells == loaded->cells && again->Remain == loaded->Remain &&
                    again->IgraNaVremya == loaded->IgraNaVremya,
                "the saved game loads as another game");
    smek::slovolov::GameState h;
    smek::slovolov::applyLoaded(h, *again);
    h.OstMin = h.settings.VremyaMin;
    h.OstSec = h.settings.VremyaSec;
    fuzz::check(smek::slovolov::slvText(h) == saved, "saving twice gives other bytes");
    return 0;
}
