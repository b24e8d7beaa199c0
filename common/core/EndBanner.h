// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the end-of-game banner says and how its letters dance.
#include "Random.h"

#include <cstdint>
#include <string>
#include <vector>

namespace smek {

struct Banner {
    std::string text;   // UTF-8, at most 15 characters
    std::uint32_t rgb;  // 0xRRGGBB
};

// Word-search and compose-a-word: 0 = won, anything else = the time ran out.
Banner bannerForResult(int proigrysh);
// Hidden-word: won when every listed word was guessed (Ugadano == MaxSpisok).
Banner bannerForScore(int ugadano, int maxSpisok);
// "Отгадано слов: 7 из 10 возможных" (counters are last indices, so +1).
std::string scoreLine(int ugadano, int maxSpisok);

// One tick: each letter independently 0, 10 or 20 pixels down.
std::vector<int> danceOffsets(Random& random, int letters);

} // namespace smek
