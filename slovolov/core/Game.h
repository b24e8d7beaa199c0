// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of a word-search game and everything that decides it: building a
// board, the board click, the clock, the refill and giving up. The window
// paints what these report.
#include "Levels.h"
#include "Settings.h"
#include "common/core/Random.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace smek::slovolov {

struct Cell {
    int x = 0;
    int y = 0;
    bool operator==(const Cell&) const = default;
};

struct GameState {
    Settings settings; // Level, ZamenaBukv, IgraNaVremya, VremyaMin, VremyaSec

    int GridMax = 0;
    int CellSize = 0;
    int NumWords = 0;
    int Remain = -1; // words not yet found, minus one; -1 = no game in play
    std::vector<int> cells; // Grid, column-major: cells[x * (GridMax + 1) + y]
    // The board as it was dealt or opened, for the printed puzzle: giving up
    // and refilling change cells, never this.
    std::vector<int> dealt;
    std::vector<std::string> Slova; // CP1251
    std::vector<int> Found;
    std::vector<std::array<int, 6>> Recs;
    std::string FileName; // UTF-8 path of the saved game, empty if none
    std::string theme;    // the word theme of new boards; empty = all words
    // An author's own puzzle: its words (any number and lengths) stand in the
    // level's slots, its title above the board. Every new or opened game
    // clears it.
    bool own = false;
    std::string title;          // UTF-8
    bool allDirections = false; // the up-right diagonal may hold words too

    int OstMin = 0;
    int OstSec = 0;

    // The play window's own values.
    int MarkX = 0;
    int MarkY = 0;
    int Marked = 0;
    int LastFound = 0;
    // Words found since the refill timer was started; its expiry refills them all.
    std::vector<int> toRefill;

    int& Grid(int x, int y) { return cells[static_cast<size_t>(x * (GridMax + 1) + y)]; }
    int Grid(int x, int y) const { return cells[static_cast<size_t>(x * (GridMax + 1) + y)]; }
    int level() const { return settings.Level; }
    // Length of word i: its slot's at the current level, an own word's own.
    int wordLength(int i) const {
        return own ? static_cast<int>(Slova[static_cast<size_t>(i)].size())
                   : tabLen[static_cast<size_t>(settings.Level)][static_cast<size_t>(i)];
    }
    // The cells of word i, from its start cell along its direction.
    std::vector<Cell> wordCells(int i) const;
};

// NewGame (0), step 1: sizes and empty arrays for the current level; FileName emptied.
void resetForNewGame(GameState& g);
// Sizes and empty arrays for a level, as the loader sets them.
void resetForLevel(GameState& g, int level);

// Bounds of the placement draws: per word slot, and restarts of the board.
struct BuildLimits {
    int drawsPerWord = 2000;
    int restarts = 1000;
};

struct BuildResult {
    enum class Status {
        Ok,
        NoDatabase,  // no word file for a needed length: "База данных слов не найдена"
        CannotOpen,  // a word file exists but cannot be opened: the program ends
        NotSuitable, // every word file of a length is unusable: "Файл ... не подходит к программе."
        NoRoom,      // the placement bounds ran out (not expected with the fixed tables)
    };
    Status status = Status::Ok;
    std::filesystem::path file; // the file behind CannotOpen / NotSuitable
    int length = 0;             // the word length without a file (NoDatabase)
    std::error_code error;
    int restarts = 0; // boards started again because a slot found no room
    int slotsFilled = 0;
    std::vector<int> themeFellBack; // lengths the theme lacks or runs out of, taken from all words
};

// NewGame (0), steps 8 to 11 without the painting: seeds the generator, places
// every word slot (words chosen afresh from the word files of each length) and
// fills the other cells with filler letters А..Ю stored negated. With a theme
// the words come from its folder, for a length it lacks from all words. No word
// is hidden twice: a length whose theme words run out takes the rest from all
// words and counts among the lengths the theme lacks. On a failure the words
// placed so far stay and no filler is drawn.
BuildResult buildBoard(GameState& g, const std::string& pathData, smek::Random& random,
                       const BuildLimits& limits = {});

// One word drawn from a word file: the count N, a draw
// k in 0..N-1, then k + 1 words read; the last word read is the one. A count
// that is missing or not positive, a file with no word, or a chosen word that
// is not `length` capitals make the file unusable (nullopt, error empty); a
// file that cannot be read gives nullopt and the error.
struct WordPick {
    std::string word;
    bool ok = false;
    bool unreadable = false;
    std::error_code error;
};
WordPick pickWord(const std::filesystem::path& file, int length, smek::Random& random);

// The designed placement, shared by dealt and own boards.
struct Placement {
    int d = 0;  // direction, an index into kSteps
    int x0 = 0; // start cell
    int y0 = 0;
};
// Draws directions (the designed three, or four with the up-right diagonal)
// and start cells until a word of length L fits over empty or filler cells;
// nullopt once the draws are used up. The start cell stays off the last
// column and row as designed, so the longest word has GridMax letters.
std::optional<Placement> placeSlot(const GameState& g, int L, smek::Random& random, int draws, bool upRight);
// Lays word w (Slova[w]) into the grid from the placement, forwards or (a
// random draw) backwards, and records its first and last cells.
void layWord(GameState& g, int w, const Placement& p, smek::Random& random);
// Every cell no word took gets a filler letter А..Ю, stored negated.
void fillBlanks(GameState& g, smek::Random& random);

// Board click at a pixel of the board.
struct ClickResult {
    enum class Kind { Ignored, Marked, Found };
    Kind kind = Kind::Ignored;
    bool unmarked = false;    // the old mark was taken off (repaint white)
    Cell oldMark;
    Cell mark;                // the newly marked cell (repaint green)
    int word = -1;            // the word found
    std::vector<Cell> cleared;
    bool won = false;         // that was the last word
};
ClickResult boardClick(GameState& g, int px, int py);

// NewTime: one tick of the clock. True when the time is up (the caller then
// runs EndGame (1)); otherwise the caption shows the time left.
bool NewTime(GameState& g);
// mm:ss, each with a leading "0" and the last two characters kept.
std::string timerCaption(int minutes, int seconds);

// NewBukvy: the still empty cells of every word found since the last refill
// get new filler letters (the design refills only LastFound, which left
// earlier quick finds blank for the rest of the game).
std::vector<Cell> NewBukvy(GameState& g, smek::Random& random);
// The found word that runs through a cell, for its look-up on the board; -1
// when none does (words not yet found are never named: that would give them away).
int foundWordAt(const GameState& g, Cell c);

// EndGame, step 1: every filler cell is emptied; the cells emptied, row by row.
std::vector<Cell> clearFillers(GameState& g);

} // namespace smek::slovolov
