#include "SavedGame.h"

#include "common/core/FreeFormat.h"
#include "common/core/NumberText.h"

#include <algorithm>

namespace slovolov {
namespace {

std::string numberLine(int n) { return smek::settingsLine(n); }

bool inGrid(int v, int gridMax) { return v >= 0 && v <= gridMax; }

} // namespace

std::string slvText(const GameState& g) {
    std::string out;
    out.reserve(static_cast<size_t>(8 * (g.GridMax + 1) * (g.GridMax + 1) + 512));
    out += kSlvHeader;
    out += "\r\n";
    out += numberLine(g.level());
    for (int i = 0; i <= g.NumWords; ++i) {
        out += g.Slova[static_cast<size_t>(i)];
        out += "\r\n";
        out += numberLine(g.Found[static_cast<size_t>(i)]);
        for (int f = 0; f < 6; ++f) out += numberLine(g.Recs[static_cast<size_t>(i)][static_cast<size_t>(f)]);
    }
    for (int y = 0; y <= g.GridMax; ++y)
        for (int x = 0; x <= g.GridMax; ++x) out += numberLine(g.Grid(x, y));
    out += numberLine(g.Remain);
    out += numberLine(g.settings.IgraNaVremya);
    if (g.settings.IgraNaVremya == 1) {
        out += numberLine(g.OstMin);
        out += numberLine(g.OstSec);
    }
    return out;
}

std::optional<LoadedGame> parseSlv(const std::string& content) {
    smek::FreeFormatReader reader(content);
    const auto header = reader.readText();
    if (!header || *header != kSlvHeader) return std::nullopt;
    LoadedGame g;
    const auto level = reader.readNumber();
    if (!level || !validLevel(*level)) return std::nullopt;
    g.Level = *level;
    const int numWords = tabWords[static_cast<size_t>(g.Level)];
    const int gridMax = tabGrid[static_cast<size_t>(g.Level)];
    const auto words = static_cast<size_t>(numWords + 1);
    g.Slova.resize(words);
    g.Found.resize(words);
    g.Recs.resize(words);
    for (size_t i = 0; i < words; ++i) {
        auto word = reader.readText();
        if (!word) return std::nullopt;
        g.Slova[i] = std::move(*word);
        const auto found = reader.readNumber();
        if (!found || (*found != 0 && *found != 1)) return std::nullopt;
        g.Found[i] = *found;
        for (size_t f = 0; f < 6; ++f) {
            const auto v = reader.readNumber();
            if (!v) return std::nullopt;
            g.Recs[i][f] = *v;
        }
        const auto& r = g.Recs[i];
        for (size_t f = 0; f < 4; ++f)
            if (!inGrid(r[f], gridMax)) return std::nullopt;
        if (r[4] < 0 || r[4] > 2 || (r[5] != 0 && r[5] != 2)) return std::nullopt;
        // The start cell and the whole run of the word must lie on the grid.
        const int length = tabLen[static_cast<size_t>(g.Level)][i];
        const auto& step = tabDir[static_cast<size_t>(r[4])];
        const int sx = r[static_cast<size_t>(r[5])], sy = r[static_cast<size_t>(r[5] + 1)];
        if (!inGrid(sx + (length - 1) * step[0], gridMax) || !inGrid(sy + (length - 1) * step[1], gridMax))
            return std::nullopt;
    }
    const int side = gridMax + 1;
    g.cells.assign(static_cast<size_t>(side * side), 0);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const auto v = reader.readNumber();
            if (!v || *v < -33 || *v > 33) return std::nullopt;
            g.cells[static_cast<size_t>(x * side + y)] = *v;
        }
    const auto remain = reader.readNumber();
    // Remain counts the words still hidden, minus one; -1 also marks a game
    // that ended with words left (lost by time). Any other value would end the
    // game with words on the board, or never end it.
    const auto hidden = static_cast<int>(std::count(g.Found.begin(), g.Found.end(), 0));
    if (!remain || (*remain != hidden - 1 && *remain != -1)) return std::nullopt;
    g.Remain = *remain;
    const auto timed = reader.readNumber();
    if (!timed || (*timed != 0 && *timed != 1)) return std::nullopt;
    g.IgraNaVremya = *timed;
    if (g.IgraNaVremya == 1) {
        const auto m = reader.readNumber();
        const auto s = reader.readNumber();
        if (!m || !s || *m < 0 || *m > 59 || *s < 0 || *s > 59) return std::nullopt;
        g.VremyaMin = *m;
        g.VremyaSec = *s;
    }
    return g;
}

void applyLoaded(GameState& g, const LoadedGame& loaded) {
    resetForLevel(g, loaded.Level);
    g.Slova = loaded.Slova;
    g.Found = loaded.Found;
    g.Recs = loaded.Recs;
    g.cells = loaded.cells;
    g.Remain = loaded.Remain;
    g.settings.IgraNaVremya = loaded.IgraNaVremya;
    if (loaded.IgraNaVremya == 1) {
        g.settings.VremyaMin = loaded.VremyaMin;
        g.settings.VremyaSec = loaded.VremyaSec;
    }
}

} // namespace slovolov
