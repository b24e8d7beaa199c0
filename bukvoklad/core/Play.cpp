// SPDX-License-Identifier: GPL-3.0-or-later
#include "Play.h"

#include "common/core/Alphabet.h"

#include <algorithm>

namespace smek::bukvoklad {

KeyAction filterAnswerKey(char typed) {
    if (typed == '\b' || typed == '.') return {KeyAction::Kind::Pass, 0};
    const char upper = toUpperRu(typed);
    if (isRussianCapital(upper)) return {KeyAction::Kind::Insert, upper};
    return {};
}

bool checkAnswer(Game& game, const std::string& textCp1251) {
    if (game.KolBukv == 0 || !game.wordLoaded) return false;
    const std::string typed = toUpperRu(textCp1251);
    if (typed.size() != game.Slovo.size() || !std::equal(typed.begin(), typed.end(), game.Slovo.begin(), sameLetter))
        return false;
    game.GameState = 0;
    return true;
}

TickResult NewTime(Game& game) {
    if (game.TimeOst > 0) {
        --game.TimeOst;
        return TickResult::Counted;
    }
    game.GameState = 0;
    return TickResult::TimeUp;
}

std::string timerCaption(int seconds) {
    if (seconds < 0) seconds = 0;
    const std::string digits = std::to_string(seconds);
    return digits.size() < 2 ? "0" + digits : digits;
}

std::string Otvet(Game& game) {
    if (game.KolBukv == 0 || !game.wordLoaded) return {};
    game.GameState = -1;
    game.KolBukv = 0;
    return game.Slovo;
}

} // namespace smek::bukvoklad
