// SPDX-License-Identifier: GPL-3.0-or-later
#include "SavedGame.h"

#include "common/core/Alphabet.h"
#include "common/core/FileMessages.h"
#include "common/core/FreeFormat.h"
#include "common/core/NumberText.h"

#include <algorithm>

namespace smek::slovolov {
namespace {

std::string numberLine(int n) { return smek::settingsLine(n); }

bool inGrid(int v, int gridMax) { return v >= 0 && v <= gridMax; }

} // namespace

bool slvHeaderLine(std::string_view line) {
    return smek::FreeFormatReader(std::string(line)).readText() == kSlvHeader;
}

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
        const int length = tabLen[static_cast<size_t>(g.Level)][i];
        auto word = reader.readText();
        // A word the list could not show or the board could not hold.
        if (!word || static_cast<int>(word->size()) != length ||
            !std::all_of(word->begin(), word->end(), smek::isRussianCapital))
            return std::nullopt;
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
        // The run of the word starts at one recorded end and stops at the
        // other, which the player clicks first and last.
        const auto& step = tabDir[static_cast<size_t>(r[4])];
        const size_t f = static_cast<size_t>(r[5]);
        if (r[2 - f] != r[f] + (length - 1) * step[0] || r[3 - f] != r[f + 1] + (length - 1) * step[1])
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
    // A word still hidden is spelled on the board along its record, so it
    // can be found and saved back unchanged.
    for (size_t i = 0; i < words; ++i) {
        if (g.Found[i] == 1) continue;
        const auto& r = g.Recs[i];
        const auto& step = tabDir[static_cast<size_t>(r[4])];
        const std::string& word = g.Slova[i];
        const size_t length = word.size();
        for (size_t k = 0; k < length; ++k) {
            const int x = r[static_cast<size_t>(r[5])] + static_cast<int>(k) * step[0];
            const int y = r[static_cast<size_t>(r[5] + 1)] + static_cast<int>(k) * step[1];
            const char letter = word[r[5] == 0 ? k : length - 1 - k];
            if (g.cells[static_cast<size_t>(x * side + y)] != smek::letterPosition(letter)) return std::nullopt;
        }
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

bool completeGame(const GameState& g) { return parseSlv(slvText(g)).has_value(); }

void applyLoaded(GameState& g, const LoadedGame& loaded) {
    resetForLevel(g, loaded.Level);
    g.Slova = loaded.Slova;
    g.Found = loaded.Found;
    g.Recs = loaded.Recs;
    g.cells = loaded.cells;
    g.dealt = loaded.cells;
    g.Remain = loaded.Remain;
    g.settings.IgraNaVremya = loaded.IgraNaVremya;
    if (loaded.IgraNaVremya == 1) {
        g.settings.VremyaMin = loaded.VremyaMin;
        g.settings.VremyaSec = loaded.VremyaSec;
    }
}

SaveOutcome SaveGame(GameState& g, std::string path, const AskReplace& askReplace) {
    path = withExtension(std::move(path), ".slv");
    const SaveOutcome out = saveFile(path, slvText(g), path != g.FileName, askReplace);
    if (out.kind == SaveOutcome::Kind::Saved) g.FileName = path;
    return out;
}

OpenOutcome OpenGame(GameState& g, std::string path) {
    OpenOutcome out;
    out.path = withExtension(std::move(path), ".slv");
    const ReadOutcome file = readGameFile(out.path, slvHeaderLine);
    if (!file.ok) {
        out.message = file.message;
        return out;
    }
    const std::optional<LoadedGame> loaded = parseSlv(file.content);
    if (!loaded) {
        out.message = fileMessage(out.path, FileTail::NotSuitable);
        return out;
    }
    applyLoaded(g, *loaded);
    g.FileName = out.path;
    out.ok = true;
    return out;
}

} // namespace smek::slovolov
