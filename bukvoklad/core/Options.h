// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options dialog's rules: how the settings are shown when it opens, and
// what "OK" accepts or refuses.
#include "Game.h"

#include <string>
#include <string_view>
#include <vector>

namespace smek::bukvoklad {

// " 4" ... " 19": the lengths the dialog offers.
std::vector<std::string> lengthItems();

struct OptionsView {
    bool kolBukvChecked = false;
    std::string selectedLength; // one of lengthItems(), or empty for none
    bool timeChecked = false;
    std::string secText;
};
// A length of 3 (only from an edited file) leaves the box checked with nothing
// selected, so "OK" asks for a length the list can show; lengths the game plays
// as random leave it unchecked. Only OptTime = 1 is a timed game.
OptionsView optionsViewOf(const Game& game);

// The number at the start of a text: blanks skipped, an optional sign, digits
// and an optional fraction; 0 when there is none.
double numericValue(std::string_view text);

enum class OptionsCheck { Ok, NoLength, NoTime, TooManySeconds };
// "OK": stores the length first (kept even when the time is then refused) and
// the time only when everything is accepted.
OptionsCheck applyOptions(Game& game, bool kolBukvChecked, std::string_view lengthText, bool timeChecked,
                          std::string_view secText);
// The refusal's message (UTF-8), empty for Ok.
std::string optionsMessage(OptionsCheck check);

} // namespace smek::bukvoklad
