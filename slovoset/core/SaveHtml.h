// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The export of a created puzzle as two HTML pages.
#include "GameFile.h"
#include "Puzzle.h"

#include <string>
#include <vector>

namespace smek::slovoset {

// "Лес.html" → "Лес_ответы.html"; the last "." of the last component is cut,
// a path without one keeps all of it.
std::string answersPath(const std::string& path);

// The chosen words in the order of the hints (their order in the text).
std::vector<const SkrytoeSlovo*> hintWords(const Puzzle& p);
// The hints: the letter counts of the chosen words as signed number texts,
// joined by ", ".
std::string hintsText(const Puzzle& p);

struct HtmlPages {
    std::string puzzle;  // title, text and hints (CP1251)
    std::string answers; // title and what the view shows (text2)
};
// nazvanie: CP1251 title; text2: the body of the last HTML shown (Text2).
HtmlPages exportPages(const Puzzle& p, const std::string& nazvanie, const std::string& text2);

// After the title box (Nazvanie set, not empty) and the save dialog: appends
// ".html" when the name has no extension and saves the puzzle page (asking
// before replacing it) and the answers page (without asking) together: when
// either cannot be written, or the author declines, neither changes. Returns
// the two outcomes in that order.
std::vector<SaveOutcome> SaveHtml(Puzzle& p, std::string path, const std::string& text2,
                                  const AskReplace& askReplace);
// The same for pages made otherwise (the printable ones).
std::vector<SaveOutcome> SaveHtml(Puzzle& p, std::string path, const HtmlPages& pages,
                                  const AskReplace& askReplace);

} // namespace smek::slovoset
