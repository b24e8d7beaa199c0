// SPDX-License-Identifier: GPL-3.0-or-later
#include "EndBanner.h"

#include "NumberText.h"

namespace smek {

namespace {
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kRed = 0xFF0000;
} // namespace

Banner bannerForResult(int proigrysh) {
    return proigrysh == 0 ? Banner{"ПОБЕДА!!!", kGreen} : Banner{"ВЫ НЕ УСПЕЛИ!!!", kRed};
}

Banner bannerForScore(int ugadano, int maxSpisok) {
    return ugadano == maxSpisok ? Banner{"ПОБЕДА!!!", kGreen} : Banner{"КОНЕЦ ИГРЫ!!!", kRed};
}

std::string scoreLine(int ugadano, int maxSpisok) {
    return "Отгадано слов:" + signedNumberText(ugadano + 1) + " из" + signedNumberText(maxSpisok + 1) + " возможных";
}

std::vector<int> danceOffsets(Random& random, int letters) {
    random.reseed();
    std::vector<int> offsets;
    offsets.reserve(static_cast<size_t>(letters));
    for (int j = 0; j < letters; ++j) offsets.push_back(10 * random.between(0, 2));
    return offsets;
}

} // namespace smek
