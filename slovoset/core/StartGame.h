// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Puzzle construction: starting a puzzle, choosing its words by length and
// drawing the text with the puzzle's words underlined.
#include "Puzzle.h"

#include <string>

namespace smek::slovoset {

// Pressing "Создать" while a play puzzle is open asks "Создать словосеть?"
// (Yes/No, warning icon, No default); on No nothing changes.
bool needsCreateQuestion(const Puzzle& p, int typ);

// The source box text of a Tekst or of the text as written (writtenText):
// each "<br>" a line break (LF) again, so that starting a puzzle from it
// gives the same Tekst.
std::string sourceTextOf(const std::string& tekst);

// Takes the source text (UTF-8, as the author wrote it) for a new puzzle in
// mode typ (0 play, 1 create): false for an empty box (nothing changes).
// Otherwise sets TypGame, Tekst with the text as written beside it
// (authorText) and empties ImyaFile; the window then sets its caption and
// answer box and runs AnalizTexta(p, 0).
bool StartGame(Puzzle& p, int typ, const std::string& text1);

struct ShowSlovoResult {
    std::string html;       // for ShowHtml (CP1251)
    bool mFileSave = false; // at least two list lines
};
// The text with the chosen (create) or opened (play) listed words
// underlined, overlapping ones as one underline in the first word's colour;
// in create mode the answers follow. The window shows kIdetAnaliz first.
ShowSlovoResult ShowSlovo(const Puzzle& p);
// ShowSlovo's text part: the text with its underlines, without the answers.
std::string markedText(const Puzzle& p);
// Small letters of CP1251 capitals (the answers are shown so).
std::string lowerRu(std::string s);

struct SelectSlovoResult {
    ShowSlovoResult show;
    bool showBanner = false; // play: every listed word is already open
};
// Rebuilds the list and the counters for the current LenSlov; in create mode
// re-chooses every word by its length. The window disables the length choice
// and the mode buttons meanwhile and repaints the list from Spisok.
SelectSlovoResult SelectSlovo(Puzzle& p);

} // namespace smek::slovoset
