// SPDX-License-Identifier: GPL-3.0-or-later
#include "OwnPuzzle.h"

#include "common/core/Cp1251.h"

#include <algorithm>
#include <numeric>

namespace smek::slovolov {
namespace {

std::string sideText(int side) { return std::to_string(side) + "×" + std::to_string(side); }

// The words named in a refusal: at most ten, then how many more.
std::string wordList(const std::vector<std::string>& cp1251) {
    constexpr size_t kNamed = 10;
    std::string out;
    for (size_t i = 0; i < cp1251.size() && i < kNamed; ++i) out += (i ? ", " : "") + cp1251ToUtf8(cp1251[i]);
    if (cp1251.size() > kNamed) out += " и ещё " + std::to_string(cp1251.size() - kNamed);
    return out;
}

// Slots longest first; words of one length keep the author's order.
std::vector<std::string> longestFirst(std::vector<std::string> words) {
    std::stable_sort(words.begin(), words.end(),
                     [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    return words;
}

// One board: every word placed in turn, then the fillers. Returns how many
// words found room.
int tryBoard(GameState& g, const OwnPuzzle& puzzle, smek::Random& random, int draws) {
    std::fill(g.cells.begin(), g.cells.end(), 0);
    for (int w = 0; w <= g.NumWords; ++w) {
        const int L = g.wordLength(w);
        const std::optional<Placement> place = placeSlot(g, L, random, draws, puzzle.allDirections);
        if (!place) return w;
        layWord(g, w, *place, random);
    }
    fillBlanks(g, random);
    return g.NumWords + 1;
}

} // namespace

OwnBuild buildOwnBoard(const OwnPuzzle& puzzle, const Settings& settings, smek::Random& random,
                       const BuildLimits& limits) {
    OwnBuild out;
    const int level = levelOfSide(puzzle.side);
    const int words = static_cast<int>(puzzle.words.size());
    if (level < 0) {
        out.refusal = "Поле может быть 10×10, 15×15 или 20×20 клеток.";
        return out;
    }
    if (words == 0) {
        out.refusal = "В списке нет ни одного слова.";
        return out;
    }
    if (words > kOwnMaxWords) {
        out.refusal = "В головоломке может быть не больше " + std::to_string(kOwnMaxWords) + " слов, а в списке " +
                      std::to_string(words) + ". Лишние: " +
                      wordList({puzzle.words.begin() + kOwnMaxWords, puzzle.words.end()}) + ".";
        return out;
    }
    const int longest = tabGrid[static_cast<size_t>(level)];
    std::vector<std::string> tooLong;
    for (const std::string& w : puzzle.words)
        if (static_cast<int>(w.size()) > longest) tooLong.push_back(w);
    if (!tooLong.empty()) {
        out.refusal = "На поле " + sideText(puzzle.side) + " помещаются слова не длиннее " + std::to_string(longest) +
                      " букв. Не помещаются: " + wordList(tooLong) + ".";
        return out;
    }
    const int cells = puzzle.side * puzzle.side;
    const int letters = std::accumulate(puzzle.words.begin(), puzzle.words.end(), 0,
                                        [](int sum, const std::string& w) { return sum + static_cast<int>(w.size()); });
    const std::string advice = " Уберите несколько слов или выберите поле побольше.";
    if (letters > cells) {
        out.refusal = "Слишком много букв: в словах их " + std::to_string(letters) + ", а на поле " +
                      sideText(puzzle.side) + " всего " + std::to_string(cells) + " клеток." + advice;
        return out;
    }

    GameState& g = out.game;
    g.settings = settings;
    resetForLevel(g, level);
    g.own = true;
    g.title = puzzle.title;
    g.allDirections = puzzle.allDirections;
    g.Slova = longestFirst(puzzle.words);
    g.NumWords = words - 1;
    g.Found.assign(static_cast<size_t>(words), 0);
    g.Recs.assign(static_cast<size_t>(words), {0, 0, 0, 0, 0, 0});
    random.reseed();
    int mostPlaced = 0;
    for (int attempt = 0; attempt <= limits.restarts; ++attempt) {
        const int placed = tryBoard(g, puzzle, random, limits.drawsPerWord);
        if (placed == words) {
            g.Remain = g.NumWords;
            g.dealt = g.cells;
            out.ok = true;
            return out;
        }
        mostPlaced = std::max(mostPlaced, placed);
    }
    out.refusal = "Слова не удалось разместить на поле " + sideText(puzzle.side) + ": не нашлось места для " +
                  wordList({g.Slova.begin() + mostPlaced, g.Slova.end()}) + "." + advice;
    out.game = GameState{};
    return out;
}

bool fitsLevelSlots(const GameState& g) {
    const size_t level = static_cast<size_t>(g.level());
    if (!validLevel(g.level()) || g.NumWords != tabWords[level] ||
        static_cast<int>(g.Slova.size()) != tabWords[level] + 1)
        return false;
    for (size_t i = 0; i < g.Slova.size(); ++i)
        if (static_cast<int>(g.Slova[i].size()) != tabLen[level][i] || g.Recs[i][4] == kUpRight) return false;
    return true;
}

} // namespace smek::slovolov
