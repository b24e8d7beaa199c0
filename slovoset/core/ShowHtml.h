// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The HTML that the view shows, the pieces the export shares with it, and
// the escaping of the author's text. All CP1251.
#include "Puzzle.h"

#include <string>
#include <string_view>

namespace smek::slovoset {

extern const std::string kH0; // document start with the charset meta element
extern const std::string kV1; // view head end and body start
extern const std::string kB1; // body start: "<!- up -->" and the black font
extern const std::string kB2; // body end
extern const std::string kIdetAnaliz; // "Идёт анализ..."

// What the view loads for ShowHtml(html): H0 + V1 + B1 + html + B2.
std::string htmlViewDocument(const std::string& html);
// What Text2 keeps for ShowHtml(html): B1 + html + B2.
std::string htmlViewBody(const std::string& html);

// The author's text as characters, never markup: "<", ">" and "&" become
// entities, except the "<br>" that stand for the line breaks of the text.
// With the text as written (tekst being Tekst from position `first`), its
// characters are shown; those the code page lacks as numeric character
// references, so the CP1251 page loses nothing.
std::string htmlText(std::string_view tekst, const KakNapisano& written = {}, int first = 1);
// The characters (UTF-16 units, as the view counts) that the view shows for
// the text before position `nachalo` (1-based), blanks and line breaks left
// out: the view collapses blanks, so only the other characters find a place
// of the text on the page.
int shownMarksBefore(std::string_view tekst, int nachalo, const KakNapisano& written = {});

} // namespace smek::slovoset
