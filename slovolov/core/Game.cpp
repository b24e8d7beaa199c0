// SPDX-License-Identifier: GPL-3.0-or-later
#include "Game.h"

#include "common/core/Alphabet.h"
#include "common/core/FreeFormat.h"
#include "common/core/TextFile.h"
#include "common/core/Themes.h"

#include <algorithm>
#include <optional>

namespace smek::slovolov {

std::vector<Cell> GameState::wordCells(int i) const {
    const auto& r = Recs[static_cast<size_t>(i)];
    const int f = r[5];
    const auto& step = kSteps[static_cast<size_t>(r[4])];
    std::vector<Cell> out;
    const int length = wordLength(i);
    out.reserve(static_cast<size_t>(length));
    int x = r[static_cast<size_t>(f)], y = r[static_cast<size_t>(f + 1)];
    for (int k = 0; k < length; ++k) {
        out.push_back({x, y});
        x += step[0];
        y += step[1];
    }
    return out;
}

void resetForLevel(GameState& g, int level) {
    g.settings.Level = level;
    g.NumWords = tabWords[static_cast<size_t>(level)];
    g.GridMax = tabGrid[static_cast<size_t>(level)];
    g.CellSize = cellSizeFor(g.GridMax);
    const auto words = static_cast<size_t>(g.NumWords + 1);
    g.Recs.assign(words, {0, 0, 0, 0, 0, 0});
    g.Slova.assign(words, std::string());
    g.Found.assign(words, 0);
    g.cells.assign(static_cast<size_t>((g.GridMax + 1) * (g.GridMax + 1)), 0);
    g.dealt.clear();
    g.toRefill.clear();
    g.own = false;
    g.title.clear();
    g.allDirections = false;
}

void resetForNewGame(GameState& g) {
    resetForLevel(g, g.settings.Level);
    g.Remain = g.NumWords;
    g.FileName.clear();
}

WordPick pickWord(const std::filesystem::path& file, int length, smek::Random& random) {
    WordPick pick;
    smek::ReadResult content = smek::readTextFile(file);
    // A file too large for a word file is one that does not suit, not one that cannot be opened.
    if (content.error && content.refused != smek::ReadResult::Refused::TooLarge) {
        pick.unreadable = true;
        pick.error = content.error;
        return pick;
    }
    smek::FreeFormatReader reader(std::move(content.content));
    const auto count = reader.readNumber();
    if (!count || *count <= 0) return pick;
    const int k = random.between(0, *count - 1);
    bool any = false;
    for (int i = 0; i <= k; ++i) {
        auto word = reader.readText();
        if (!word) break; // fewer words than the count: the last one read is used
        pick.word = std::move(*word);
        any = true;
    }
    pick.ok = any && static_cast<int>(pick.word.size()) == length &&
              std::all_of(pick.word.begin(), pick.word.end(), smek::isRussianCapital);
    return pick;
}

namespace {

void noteLength(std::vector<int>& lengths, int L) {
    const auto at = std::lower_bound(lengths.begin(), lengths.end(), L);
    if (at == lengths.end() || *at != L) lengths.insert(at, L);
}

void clearBoard(GameState& g) {
    std::fill(g.cells.begin(), g.cells.end(), 0);
    std::fill(g.Slova.begin(), g.Slova.end(), std::string());
    std::fill(g.Found.begin(), g.Found.end(), 0);
    std::fill(g.Recs.begin(), g.Recs.end(), std::array<int, 6>{0, 0, 0, 0, 0, 0});
}

bool onBoard(const std::vector<std::string>& board, const std::string& word) {
    return std::find(board.begin(), board.end(), word) != board.end();
}

// The words of a file that are usable at length L and not yet on the board,
// each once.
std::vector<std::string> freshWords(const std::filesystem::path& file, int L, const std::vector<std::string>& board) {
    std::vector<std::string> out;
    smek::ReadResult content = smek::readTextFile(file);
    if (content.error) return out;
    smek::FreeFormatReader reader(std::move(content.content));
    const auto count = reader.readNumber();
    for (int i = 0; count && i < *count; ++i) {
        auto word = reader.readText();
        if (!word) break;
        if (static_cast<int>(word->size()) == L && std::all_of(word->begin(), word->end(), smek::isRussianCapital) &&
            !onBoard(board, *word) && !onBoard(out, *word))
            out.push_back(std::move(*word));
    }
    return out;
}

// A word of length L from a random word file of that length (the theme's,
// or all words for a length it lacks); an unusable file is left out and
// another drawn. A word already on the board gives way to another of its
// file, else of another file; when the theme has no fresh word of the length
// left, all words give one and the length is named like one the theme lacks.
// Only when even all words hold too few does a word come twice. On failure
// the status says why.
BuildResult::Status chooseWord(const std::string& pathData, const std::string& theme, int L, smek::Random& random,
                               const std::vector<std::string>& board, std::string& word, BuildResult& result) {
    smek::ThemedWordFiles themed = smek::themedWordFiles(pathData, theme, L);
    if (themed.fellBack) noteLength(result.themeFellBack, L);
    std::vector<std::filesystem::path> files = std::move(themed.files);
    if (files.empty()) {
        result.length = L;
        return BuildResult::Status::NoDatabase;
    }
    std::string repeat; // a usable word that is already on the board
    for (;;) {
        const int r = random.between(1, static_cast<int>(files.size()));
        const std::filesystem::path file = files[static_cast<size_t>(r - 1)];
        WordPick pick = pickWord(file, L, random);
        if (pick.unreadable) {
            result.file = file;
            result.error = pick.error;
            return BuildResult::Status::CannotOpen;
        }
        if (pick.ok && !onBoard(board, pick.word)) {
            word = std::move(pick.word);
            return BuildResult::Status::Ok;
        }
        if (pick.ok) {
            const std::vector<std::string> fresh = freshWords(file, L, board);
            if (!fresh.empty()) {
                word = fresh[static_cast<size_t>(random.between(0, static_cast<int>(fresh.size()) - 1))];
                return BuildResult::Status::Ok;
            }
            repeat = std::move(pick.word);
        }
        files.erase(files.begin() + (r - 1));
        if (!files.empty()) continue;
        if (repeat.empty()) {
            result.file = file;
            return BuildResult::Status::NotSuitable;
        }
        if (!theme.empty() && !themed.fellBack) {
            noteLength(result.themeFellBack, L);
            return chooseWord(pathData, std::string(), L, random, board, word, result);
        }
        word = std::move(repeat);
        return BuildResult::Status::Ok;
    }
}

enum class SlotsOutcome { Filled, NoRoom, Failed };

// One attempt at the whole board: each slot placed, given a word and laid.
SlotsOutcome fillSlots(GameState& g, const std::string& pathData, smek::Random& random, const BuildLimits& limits,
                       BuildResult& result) {
    clearBoard(g);
    for (int w = 0; w <= g.NumWords; ++w) {
        const int L = g.wordLength(w);
        const std::optional<Placement> place = placeSlot(g, L, random, limits.drawsPerWord, false);
        if (!place) return SlotsOutcome::NoRoom;
        result.status = chooseWord(pathData, g.theme, L, random, g.Slova, g.Slova[static_cast<size_t>(w)], result);
        if (result.status != BuildResult::Status::Ok) {
            result.slotsFilled = w;
            return SlotsOutcome::Failed;
        }
        layWord(g, w, *place, random);
        result.slotsFilled = w + 1;
    }
    return SlotsOutcome::Filled;
}

} // namespace

std::optional<Placement> placeSlot(const GameState& g, int L, smek::Random& random, int draws, bool upRight) {
    for (int n = 0; n < draws; ++n) {
        Placement p;
        p.d = random.between(0, upRight ? kUpRight : 2);
        const int xTop = p.d == 1 ? g.GridMax : g.GridMax - L;
        const int yTop = p.d == 0 ? g.GridMax : g.GridMax - L;
        p.x0 = random.between(0, xTop);
        p.y0 = random.between(0, yTop);
        // Up-right takes the rows of a down-right run and starts at its bottom.
        if (p.d == kUpRight) p.y0 += L - 1;
        const auto& step = kSteps[static_cast<size_t>(p.d)];
        bool free = true;
        for (int k = 0, x = p.x0, y = p.y0; k < L && free; ++k) {
            free = g.Grid(x, y) <= 0;
            x += step[0];
            y += step[1];
        }
        if (free) return p;
    }
    return std::nullopt;
}

// Lays word w into the grid from the placement, forwards or (a random draw)
// backwards, and records its first and last cells.
void layWord(GameState& g, int w, const Placement& p, smek::Random& random) {
    const std::string& word = g.Slova[static_cast<size_t>(w)];
    const int L = static_cast<int>(word.size());
    const int rev = random.between(0, 1);
    auto& rec = g.Recs[static_cast<size_t>(w)];
    rec[static_cast<size_t>(2 * rev)] = p.x0;
    rec[static_cast<size_t>(2 * rev + 1)] = p.y0;
    int x = p.x0, y = p.y0, xe = p.x0, ye = p.y0;
    for (int k = 0; k < L; ++k) {
        const int pos = rev == 0 ? k : L - 1 - k;
        g.Grid(x, y) = smek::letterPosition(word[static_cast<size_t>(pos)]);
        xe = x;
        ye = y;
        x += kSteps[static_cast<size_t>(p.d)][0];
        y += kSteps[static_cast<size_t>(p.d)][1];
    }
    rec[static_cast<size_t>(2 - 2 * rev)] = xe;
    rec[static_cast<size_t>(3 - 2 * rev)] = ye;
    rec[4] = p.d;
    rec[5] = 2 * rev;
}

// Every cell no word took gets a filler letter А..Ю, stored negated.
void fillBlanks(GameState& g, smek::Random& random) {
    for (int y = 0; y <= g.GridMax; ++y)
        for (int x = 0; x <= g.GridMax; ++x)
            if (g.Grid(x, y) == 0) g.Grid(x, y) = -random.between(1, 32);
}

BuildResult buildBoard(GameState& g, const std::string& pathData, smek::Random& random, const BuildLimits& limits) {
    BuildResult result;
    g.NumWords = tabWords[static_cast<size_t>(g.level())];
    random.reseed();
    for (int attempt = 0; attempt <= limits.restarts; ++attempt) {
        switch (fillSlots(g, pathData, random, limits, result)) {
        case SlotsOutcome::Failed: return result;
        case SlotsOutcome::NoRoom: ++result.restarts; continue;
        case SlotsOutcome::Filled:
            fillBlanks(g, random);
            g.dealt = g.cells;
            return result;
        }
    }
    clearBoard(g);
    result.status = BuildResult::Status::NoRoom;
    result.slotsFilled = 0;
    return result;
}

ClickResult boardClick(GameState& g, int px, int py) {
    ClickResult out;
    if (g.CellSize <= 0 || g.cells.empty()) return out;
    const int cx = px / g.CellSize; // whole numbers toward zero, as designed
    const int cy = py / g.CellSize;
    if (cx < 0 || cx > g.GridMax || cy < 0 || cy > g.GridMax) return out;
    if (g.Grid(cx, cy) == 0) return out;
    if (g.Marked == 1) {
        if (cx == g.MarkX && cy == g.MarkY) return out;
        for (int i = 0; i <= g.NumWords; ++i) {
            const auto& r = g.Recs[static_cast<size_t>(i)];
            if (g.Found[static_cast<size_t>(i)] == 0 && r[0] == g.MarkX && r[1] == g.MarkY && r[2] == cx &&
                r[3] == cy) {
                out.kind = ClickResult::Kind::Found;
                out.word = i;
                g.Marked = 0;
                out.cleared = g.wordCells(i);
                for (const Cell& c : out.cleared) g.Grid(c.x, c.y) = 0;
                // A game that has already ended (an opened game lost by time)
                // stays ended: Remain never goes below -1.
                const bool inPlay = g.Remain >= 0;
                if (inPlay) g.Remain -= 1;
                g.LastFound = i;
                g.toRefill.push_back(i);
                g.Found[static_cast<size_t>(i)] = 1;
                out.won = inPlay && g.Remain == -1;
                return out;
            }
        }
        out.unmarked = true;
        out.oldMark = {g.MarkX, g.MarkY};
    }
    out.kind = ClickResult::Kind::Marked;
    out.mark = {cx, cy};
    g.MarkX = cx;
    g.MarkY = cy;
    g.Marked = 1;
    return out;
}

bool NewTime(GameState& g) {
    if (g.OstSec != 0) {
        g.OstSec -= 1;
    } else if (g.OstMin == 0) {
        return true;
    } else {
        g.OstSec = 59;
        g.OstMin -= 1;
    }
    return false;
}

std::string timerCaption(int minutes, int seconds) {
    const auto two = [](int n) {
        const std::string s = "0" + std::to_string(n);
        return s.substr(s.size() - 2);
    };
    return two(minutes) + ":" + two(seconds);
}

std::vector<Cell> NewBukvy(GameState& g, smek::Random& random) {
    std::vector<int> words;
    words.swap(g.toRefill);
    if (g.cells.empty()) return {};
    random.reseed();
    std::vector<Cell> refilled;
    for (int i : words) {
        if (i < 0 || i > g.NumWords) continue;
        for (const Cell& c : g.wordCells(i)) {
            if (g.Grid(c.x, c.y) != 0) continue; // a letter again already
            g.Grid(c.x, c.y) = -random.between(1, 32);
            refilled.push_back(c);
        }
    }
    return refilled;
}

int foundWordAt(const GameState& g, Cell c) {
    for (int i = 0; i < static_cast<int>(g.Found.size()) && i <= g.NumWords; ++i) {
        if (g.Found[static_cast<size_t>(i)] != 1) continue;
        const std::vector<Cell> cells = g.wordCells(i);
        if (std::find(cells.begin(), cells.end(), c) != cells.end()) return i;
    }
    return -1;
}

std::vector<Cell> clearFillers(GameState& g) {
    std::vector<Cell> out;
    for (int y = 0; y <= g.GridMax && !g.cells.empty(); ++y)
        for (int x = 0; x <= g.GridMax; ++x)
            if (g.Grid(x, y) < 0) {
                g.Grid(x, y) = 0;
                out.push_back({x, y});
            }
    return out;
}

} // namespace smek::slovolov
