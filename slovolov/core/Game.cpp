#include "Game.h"

#include "common/core/Alphabet.h"
#include "common/core/FreeFormat.h"
#include "common/core/TextFile.h"
#include "common/core/Themes.h"

#include <algorithm>

namespace slovolov {

std::vector<Cell> GameState::wordCells(int i) const {
    const auto& r = Recs[static_cast<size_t>(i)];
    const int f = r[5];
    const auto& step = tabDir[static_cast<size_t>(r[4])];
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
}

void resetForNewGame(GameState& g) {
    resetForLevel(g, g.settings.Level);
    g.Remain = g.NumWords;
    g.FileName.clear();
}

WordPick pickWord(const std::filesystem::path& file, int length, smek::Random& random) {
    WordPick pick;
    smek::ReadResult content = smek::readTextFile(file);
    if (content.error) {
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

} // namespace

BuildResult buildBoard(GameState& g, const std::string& pathData, smek::Random& random, const BuildLimits& limits) {
    BuildResult result;
    g.NumWords = tabWords[static_cast<size_t>(g.level())];
    random.reseed();
    for (int attempt = 0; attempt <= limits.restarts; ++attempt) {
        clearBoard(g);
        bool startAgain = false;
        for (int w = 0; w <= g.NumWords; ++w) {
            const int L = g.wordLength(w);
            int d = 0, x0 = 0, y0 = 0;
            for (int draws = 0;; ++draws) {
                if (draws >= limits.drawsPerWord) {
                    startAgain = true;
                    break;
                }
                d = random.between(0, 2);
                const int xTop = d == 1 ? g.GridMax : g.GridMax - L;
                const int yTop = d == 0 ? g.GridMax : g.GridMax - L;
                x0 = random.between(0, xTop);
                y0 = random.between(0, yTop);
                bool free = true;
                for (int k = 0, x = x0, y = y0; k < L && free; ++k) {
                    free = g.Grid(x, y) <= 0;
                    x += tabDir[static_cast<size_t>(d)][0];
                    y += tabDir[static_cast<size_t>(d)][1];
                }
                if (free) break;
            }
            if (startAgain) break;

            smek::ThemedWordFiles themed = smek::themedWordFiles(pathData, g.theme, L);
            if (themed.fellBack) noteLength(result.themeFellBack, L);
            std::vector<std::filesystem::path> files = std::move(themed.files);
            if (files.empty()) {
                result.status = BuildResult::Status::NoDatabase;
                result.slotsFilled = w;
                return result;
            }
            WordPick pick;
            for (;;) {
                const int r = random.between(1, static_cast<int>(files.size()));
                const std::filesystem::path file = files[static_cast<size_t>(r - 1)];
                pick = pickWord(file, L, random);
                if (pick.unreadable) {
                    result.status = BuildResult::Status::CannotOpen;
                    result.file = file;
                    result.error = pick.error;
                    result.slotsFilled = w;
                    return result;
                }
                if (pick.ok) break;
                // An unusable file is left out; another file of the length is drawn.
                files.erase(files.begin() + (r - 1));
                if (files.empty()) {
                    result.status = BuildResult::Status::NotSuitable;
                    result.file = file;
                    result.slotsFilled = w;
                    return result;
                }
            }
            g.Slova[static_cast<size_t>(w)] = pick.word;

            const int rev = random.between(0, 1);
            auto& rec = g.Recs[static_cast<size_t>(w)];
            rec[static_cast<size_t>(2 * rev)] = x0;
            rec[static_cast<size_t>(2 * rev + 1)] = y0;
            int x = x0, y = y0, xe = x0, ye = y0;
            for (int k = 0; k < L; ++k) {
                const int pos = rev == 0 ? k : L - 1 - k;
                g.Grid(x, y) = smek::letterPosition(pick.word[static_cast<size_t>(pos)]);
                xe = x;
                ye = y;
                x += tabDir[static_cast<size_t>(d)][0];
                y += tabDir[static_cast<size_t>(d)][1];
            }
            rec[static_cast<size_t>(2 - 2 * rev)] = xe;
            rec[static_cast<size_t>(3 - 2 * rev)] = ye;
            rec[4] = d;
            rec[5] = 2 * rev;
            result.slotsFilled = w + 1;
        }
        if (startAgain) {
            ++result.restarts;
            continue;
        }
        for (int y = 0; y <= g.GridMax; ++y)
            for (int x = 0; x <= g.GridMax; ++x)
                if (g.Grid(x, y) == 0) g.Grid(x, y) = -random.between(1, 32);
        return result;
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
    if (g.LastFound < 0 || g.LastFound > g.NumWords || g.cells.empty()) return {};
    random.reseed();
    std::vector<Cell> cells = g.wordCells(g.LastFound);
    for (const Cell& c : cells) g.Grid(c.x, c.y) = -random.between(1, 32);
    return cells;
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

} // namespace slovolov
