// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The export pages made for printing: an A4 page style with margins and a
// serif face, an instruction line, the text, the hints right after it and one
// numbered answer line per hidden word; the answers page marks the words in
// the text and numbers them in the same order. CP1251, as every page.
#include "Puzzle.h"
#include "SaveHtml.h"

#include <string>

namespace smek::slovoset {

// "1 буква", "3 буквы", "5 букв", "11 букв", "21 буква".
std::string bukvText(int n);

// nazvanie: CP1251 title.
HtmlPages printPages(const Puzzle& p, const std::string& nazvanie);

} // namespace smek::slovoset
