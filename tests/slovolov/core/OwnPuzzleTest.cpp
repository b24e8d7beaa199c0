// SPDX-License-Identifier: GPL-3.0-or-later
// Word searches from an author's own words.
#include "Helpers.h"
#include "slovolov/core/OwnPuzzle.h"
#include "slovolov/core/PrintSheet.h"
#include "slovolov/core/SavedGame.h"

using namespace smek::slovolov;
using namespace smek::slovolov::test;
using smek::w1251;
#include <set>

namespace {

OwnPuzzle puzzle(std::initializer_list<const char*> words, int side = 10, bool all = false) {
    OwnPuzzle p;
    p.title = "Осень";
    for (const char* w : words) p.words.push_back(w1251(w));
    p.side = side;
    p.allDirections = all;
    return p;
}

OwnBuild build(const OwnPuzzle& p, std::uint64_t seed = 7) {
    smek::Random random(seed);
    return buildOwnBoard(p, Settings{}, random);
}

const std::initializer_list<const char*> kAutumn{"ОСЕНЬ", "ЛИСТОПАД", "ЖУРАВЛЬ", "УРОЖАЙ", "ЁЖ", "ДОЖДЬ"};

} // namespace

TEST(OwnPuzzle, EveryWordIsSpelledAlongItsRecordLongestFirst) {
    for (int side : kOwnSides) {
        const OwnBuild b = build(puzzle(kAutumn, side));
        ASSERT_TRUE(b.ok) << b.refusal;
        const GameState& g = b.game;
        EXPECT_EQ(g.GridMax + 1, side);
        EXPECT_EQ(g.level(), levelOfSide(side));
        EXPECT_EQ(g.Slova, (std::vector<std::string>{w1251("ЛИСТОПАД"), w1251("ЖУРАВЛЬ"), w1251("УРОЖАЙ"),
                                                     w1251("ОСЕНЬ"), w1251("ДОЖДЬ"), w1251("ЁЖ")}));
        EXPECT_EQ(g.Remain, 5);
        EXPECT_EQ(g.title, "Осень");
        for (int i = 0; i <= g.NumWords; ++i) EXPECT_EQ(readWord(g, i), g.Slova[static_cast<size_t>(i)]);
        for (int v : g.cells) EXPECT_NE(v, 0);
        EXPECT_EQ(g.dealt, g.cells);
    }
}

TEST(OwnPuzzle, UpRightIsUsedOnlyWhenAllDirectionsAreAsked) {
    const auto directions = [](bool all) {
        std::set<int> seen;
        for (std::uint64_t seed = 1; seed <= 30; ++seed) {
            const OwnBuild b = build(puzzle(kAutumn, 15, all), seed);
            EXPECT_TRUE(b.ok);
            for (const auto& r : b.game.Recs) {
                seen.insert(r[4]);
                // Found by clicking the recorded ends: the run goes up one row a column.
                if (r[4] == kUpRight) {
                    EXPECT_EQ(r[3] - r[1], -(r[2] - r[0]));
                }
            }
        }
        return seen;
    };
    EXPECT_EQ(directions(false), (std::set<int>{0, 1, 2}));
    EXPECT_EQ(directions(true), (std::set<int>{0, 1, 2, kUpRight}));
}

TEST(OwnPuzzle, AnUpRightWordIsFoundByItsEndsAndPrintsItsLine) {
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        OwnBuild b = build(puzzle(kAutumn, 10, true), seed);
        GameState& g = b.game;
        for (int i = 0; i <= g.NumWords; ++i) {
            const auto r = g.Recs[static_cast<size_t>(i)];
            if (r[4] != kUpRight) continue;
            EXPECT_GT(r[5] == 0 ? r[1] : r[3], r[5] == 0 ? r[3] : r[1]); // starts lower than it ends
            boardClick(g, r[0] * g.CellSize + 1, r[1] * g.CellSize + 1);
            const ClickResult found = boardClick(g, r[2] * g.CellSize + 1, r[3] * g.CellSize + 1);
            EXPECT_EQ(found.kind, ClickResult::Kind::Found);
            EXPECT_EQ(found.word, i);
            EXPECT_EQ(printSheet(g).answers[static_cast<size_t>(i)].first, (Cell{r[0], r[1]}));
            return;
        }
    }
    FAIL() << "no up-right word in 40 boards";
}

TEST(OwnPuzzle, ASeedGivesTheSameBoardEveryTime) {
    EXPECT_EQ(build(puzzle(kAutumn), 99).game.cells, build(puzzle(kAutumn), 99).game.cells);
    EXPECT_NE(build(puzzle(kAutumn), 99).game.cells, build(puzzle(kAutumn), 100).game.cells);
}

TEST(OwnPuzzle, LengthAtTheGridsLimitFitsOneMoreDoesNot) {
    // The designed placement keeps a word off the last column and row.
    EXPECT_TRUE(build(puzzle({"БАРАБАНЩИК"}, 10)).ok == false);
    EXPECT_TRUE(build(puzzle({"БАРАБАНЩИ"}, 10)).ok);
    const OwnBuild refused = build(puzzle({"ЛИСА", "БАРАБАНЩИК", "ОДНОКЛАССНИК"}, 10));
    EXPECT_EQ(refused.refusal,
              "На поле 10×10 помещаются слова не длиннее 9 букв. Не помещаются: БАРАБАНЩИК, ОДНОКЛАССНИК.");
    EXPECT_TRUE(build(puzzle({"ОДНОКЛАССНИК"}, 15)).ok);
}

TEST(OwnPuzzle, TooManyLettersOrWordsAreRefusedWithTheReason) {
    OwnPuzzle full;
    full.side = 10;
    const char* nine[] = {"БАРАБАНЩИ", "КАРАНДАШИ", "ВЕЛОСИПЕД", "ПОДОКОННИ", "ЧЕТЫРЕХСО",
                          "МАТЕМАТИК", "ФИЗКУЛЬТУ", "ЛИТЕРАТУР", "ГРАММАТИК", "ОРФОГРАФИ",
                          "ПРАВОПИСА", "ЖИВОПИСЕЦ"}; // 108 letters for 100 cells
    for (const char* w : nine) full.words.push_back(w1251(w));
    EXPECT_EQ(build(full).refusal, "Слишком много букв: в словах их 108, а на поле 10×10 всего 100 клеток. "
                                   "Уберите несколько слов или выберите поле побольше.");
    // Few enough letters, but the designed placement never reaches the last
    // corner cell, so 100 letters cannot fill 100 cells: the words that found
    // no room are named.
    OwnPuzzle crowdedPuzzle;
    for (int i = 0; i < 20; ++i) crowdedPuzzle.words.push_back(w1251("ЛИС") + smek::letterAt(i / 5 + 1) + smek::letterAt(i % 5 + 1));
    const OwnBuild crowded = build(crowdedPuzzle);
    EXPECT_FALSE(crowded.ok);
    EXPECT_EQ(crowded.refusal.rfind("Слова не удалось разместить на поле 10×10: не нашлось места для ", 0), 0u)
        << crowded.refusal;
    EXPECT_EQ(crowded.game.cells.size(), 0u);

    OwnPuzzle many;
    many.side = 20;
    for (int i = 0; i < kOwnMaxWords + 1; ++i) many.words.push_back(w1251("ДА") + std::string(1, smek::letterAt(i + 1)));
    EXPECT_EQ(build(many).refusal.rfind("В головоломке может быть не больше 20 слов, а в списке 21. Лишние: ДАУ.", 0),
              0u) << build(many).refusal;
    many.words.pop_back();
    EXPECT_TRUE(build(many).ok);
    // A pasted book names ten of its extra words, then counts the rest.
    for (int i = 0; i < 15; ++i) many.words.push_back(w1251("ЁЖ") + std::string(1, smek::letterAt(i + 1)));
    EXPECT_EQ(build(many).refusal, "В головоломке может быть не больше 20 слов, а в списке 35. Лишние: ЁЖА, ЁЖБ, ЁЖВ, "
                                   "ЁЖГ, ЁЖД, ЁЖЕ, ЁЖЁ, ЁЖЖ, ЁЖЗ, ЁЖИ и ещё 5.");
    EXPECT_EQ(build(puzzle({}, 10)).refusal, "В списке нет ни одного слова.");
    EXPECT_FALSE(build(puzzle(kAutumn, 12)).ok);
}

TEST(OwnPuzzle, SavedAsAGameOnlyWhenItsWordsAreTheLevelsSlots) {
    // Level 1's lengths 7, 6, 5, 4, 4, 3.
    const std::initializer_list<const char*> slots{"ЖУРАВЛЬ", "УРОЖАЙ", "ОСЕНЬ", "ЛИСТ", "ГРИБ", "ЁЖИ"};
    OwnBuild b = build(puzzle(slots, 10));
    ASSERT_TRUE(b.ok);
    EXPECT_TRUE(fitsLevelSlots(b.game));
    const std::optional<LoadedGame> back = parseSlv(slvText(b.game));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Slova, b.game.Slova);
    // The same words on a larger grid, with a word short, or up-right: no.
    EXPECT_FALSE(fitsLevelSlots(build(puzzle(slots, 15)).game));
    EXPECT_FALSE(fitsLevelSlots(build(puzzle({"ЖУРАВЛЬ", "УРОЖАЙ", "ОСЕНЬ", "ЛИСТ", "ГРИБ"}, 10)).game));
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        const OwnBuild all = build(puzzle(slots, 10, true), seed);
        const bool upRight = std::any_of(all.game.Recs.begin(), all.game.Recs.end(),
                                         [](const auto& r) { return r[4] == kUpRight; });
        EXPECT_EQ(fitsLevelSlots(all.game), !upRight);
    }
}
