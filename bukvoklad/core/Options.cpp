// SPDX-License-Identifier: GPL-3.0-or-later
#include "Options.h"

#include "NewGame.h"
#include "common/core/NumberText.h"

#include <cctype>
#include <cmath>

namespace smek::bukvoklad {

std::vector<std::string> lengthItems() {
    std::vector<std::string> items;
    for (int n = 4; n <= kMaxLetters; ++n) items.push_back(signedNumberText(n));
    return items;
}

OptionsView optionsViewOf(const Game& game) {
    OptionsView view;
    if (game.OptKolBukv > 2 && game.OptKolBukv <= kMaxLetters) {
        view.kolBukvChecked = true;
        if (game.OptKolBukv >= 4) view.selectedLength = signedNumberText(game.OptKolBukv);
    }
    view.timeChecked = game.OptTime == 1;
    view.secText = std::to_string(game.OptSec);
    return view;
}

double numericValue(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    double sign = 1;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) sign = text[i++] == '-' ? -1 : 1;
    double value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) value = value * 10 + (text[i] - '0');
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i, scale /= 10)
            value += (text[i] - '0') * scale;
    }
    return sign * value;
}

OptionsCheck applyOptions(Game& game, bool kolBukvChecked, std::string_view lengthText, bool timeChecked,
                          std::string_view secText) {
    if (kolBukvChecked) {
        const int length = static_cast<int>(numericValue(lengthText));
        if (length == 0) return OptionsCheck::NoLength;
        game.OptKolBukv = length;
    } else {
        game.OptKolBukv = 0;
    }
    int seconds = 0;
    if (timeChecked) {
        // Rounded like the rest of the game's numbers, halves to even. A pasted
        // negative number is no time either.
        const double s = std::nearbyint(numericValue(secText));
        if (s <= 0) return OptionsCheck::NoTime;
        if (s > 59) return OptionsCheck::TooManySeconds;
        seconds = static_cast<int>(s);
    }
    game.OptTime = timeChecked ? 1 : 0;
    game.OptSec = seconds;
    return OptionsCheck::Ok;
}

std::string optionsMessage(OptionsCheck check) {
    switch (check) {
    case OptionsCheck::Ok: return {};
    case OptionsCheck::NoLength: return "Вы не выбрали количество букв.";
    case OptionsCheck::NoTime: return "Вы не установили время игры";
    case OptionsCheck::TooManySeconds: return "Максимальное количество секунд - 59";
    }
    return {};
}

} // namespace smek::bukvoklad
