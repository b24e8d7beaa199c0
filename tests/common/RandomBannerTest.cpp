// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/EndBanner.h"
#include "common/core/Random.h"

#include <gtest/gtest.h>
#include <map>

using namespace smek;

TEST(Random, FixedSeedsRepeatAndStayInRange) {
    Random a(42), b(42);
    for (int i = 0; i < 1000; ++i) {
        const double u = a.uniform();
        EXPECT_EQ(u, b.uniform());
        EXPECT_GE(u, 0.0);
        EXPECT_LT(u, 1.0);
    }
    a.reseed(); // fixed-seed generators keep their sequence
    b.reseed();
    EXPECT_EQ(a.between(1, 6), b.between(1, 6));
}

TEST(Random, WholeNumbersFollowTheFloorRuleAtTheEdges) {
    ScriptedRandom r({0.0, 0.999999, 0.5, 0.3333, 0.3334});
    EXPECT_EQ(r.between(5, 19), 5);
    EXPECT_EQ(r.between(5, 19), 19);
    EXPECT_EQ(r.between(0, 2), 1);
    EXPECT_EQ(r.between(0, 2), 0);
    EXPECT_EQ(r.between(0, 2), 1);
}

TEST(Random, WholeNumbersAreRoughlyUniform) {
    Random r(7);
    std::map<int, int> counts;
    for (int i = 0; i < 30000; ++i) ++counts[r.between(0, 2)];
    ASSERT_EQ(counts.size(), 3u);
    for (const auto& [value, n] : counts) EXPECT_NEAR(n, 10000, 600) << value;
}

TEST(EndBanner, TextsAndColoursForEachResult) {
    EXPECT_EQ(bannerForResult(0).text, "ПОБЕДА!!!");
    EXPECT_EQ(bannerForResult(0).rgb, 0x00FF00u);
    EXPECT_EQ(bannerForResult(1).text, "ВЫ НЕ УСПЕЛИ!!!");
    EXPECT_EQ(bannerForResult(1).rgb, 0xFF0000u);
    EXPECT_EQ(bannerForScore(9, 9).text, "ПОБЕДА!!!");
    EXPECT_EQ(bannerForScore(8, 9).text, "КОНЕЦ ИГРЫ!!!");
    EXPECT_EQ(bannerForScore(8, 9).rgb, 0xFF0000u);
    EXPECT_EQ(scoreLine(6, 9), "Отгадано слов: 7 из 10 возможных");
    EXPECT_EQ(scoreLine(-1, 0), "Отгадано слов: 0 из 1 возможных");
}

TEST(EndBanner, EveryLetterDancesAmongThreeHeights) {
    Random r(3);
    std::map<int, int> seen;
    for (int tick = 0; tick < 50; ++tick) {
        const auto offsets = danceOffsets(r, 15);
        ASSERT_EQ(offsets.size(), 15u);
        for (int o : offsets) ++seen[o];
    }
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_TRUE(seen.count(0) && seen.count(10) && seen.count(20));
}
