// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The saved game ".slv": CP1251 text, one item a line, CR LF;
// numbers as " 5 " / "-7 ". 152, 325 or 564 lines, two more when timed.
#include "Game.h"

#include "common/core/SaveOpen.h"

#include <optional>
#include <string>
#include <string_view>

namespace smek::slovolov {

inline const char* kSlvHeader = "[slovolov]";

// Whether a file's first line is the header, so that no other file is read whole.
bool slvHeaderLine(std::string_view line);

// The file content of the current game (the time left when timed).
std::string slvText(const GameState& g);

// What a file holds, checked so that it can never break the board.
struct LoadedGame {
    int Level = 0;
    std::vector<std::string> Slova;
    std::vector<int> Found;
    std::vector<std::array<int, 6>> Recs;
    std::vector<int> cells; // as GameState::cells
    int Remain = 0;
    int IgraNaVremya = 0;
    int VremyaMin = 0; // read only when timed
    int VremyaSec = 0;
};

// nullopt when the header is not "[slovolov]" or when the rest would break
// the board: a level outside 0..2, a file that ends early, text where a number
// belongs, a Found mark other than 0 or 1, a placement record outside the grid
// or with an unknown direction or reading flag, a word that would run off the
// grid, grid values outside -33..33, a Remain other than the words not yet
// found minus one (or -1, a game that has ended), a timing
// flag other than 0 or 1, a time outside 0..59; a word that is not exactly
// its slot's length of the 33 capitals, a record whose ends are not the two
// ends of that run, or a word not yet found that the board does not spell
// along its record.
std::optional<LoadedGame> parseSlv(const std::string& content);

// Whether the game would open again once saved: false for a board that could
// not be built completely (a word file missing), which must not be saved.
bool completeGame(const GameState& g);

// OpenFile, steps 5 to 7: the loaded game becomes the game state and its
// level, timing mode and (when timed) time limit become the settings.
void applyLoaded(GameState& g, const LoadedGame& loaded);

// "Сохранить", after the dialog: ".slv" added to a name without an
// extension; a file other than the current one is replaced only after Yes; on
// success FileName is the path.
SaveOutcome SaveGame(GameState& g, std::string path, const AskReplace& askReplace);

// "Открыть", after the dialog: ".slv" added to a name without an extension;
// on success the file's game is the game state (applyLoaded) and FileName the
// path; otherwise nothing has changed.
OpenOutcome OpenGame(GameState& g, std::string path);

} // namespace smek::slovolov
