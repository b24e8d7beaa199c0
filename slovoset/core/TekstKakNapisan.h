// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The author's text as written, beside Tekst. Tekst is what the analysis,
// the positions, the game file and the answer check use: CP1251, one byte a
// character, line breaks as "<br>", Е for Ё, a plain stand-in for a few signs
// ("-" for the non-breaking hyphen and the minus sign) and "?" for characters
// the code page lacks. KakNapisano keeps, for each position where the author
// wrote something else, what they wrote (UTF-8), with the stress marks, soft
// hyphens and zero-width characters that sit on that character: those never
// split a word. So every position of Tekst holds for the text as written.
#include "Puzzle.h"

#include <string>
#include <string_view>
#include <vector>

namespace smek::slovoset {

struct AuthorText {
    std::string Tekst;
    KakNapisano kakNapisano;
};
// The source text (UTF-8, any line breaks) as Tekst and what differs.
AuthorText authorText(std::string_view utf8);

// Positions first..last of the text as written (UTF-8), "<br>" kept.
std::string writtenText(std::string_view tekst, const KakNapisano& written, int first = 1, int last = -1);
inline std::string writtenText(const Puzzle& p) { return writtenText(p.Tekst, p.Napisano); }

// A hidden word as the text spells it: the capitals of Slovo, with Ё where
// the text has ё (CP1251).
std::string slovoKakNapisano(const Puzzle& p, const SkrytoeSlovo& w);

// The characters of the text that had no stand-in in the code page (UTF-8,
// each once, in order of first use).
std::vector<std::string> withoutStandIn(const Puzzle& p);
// The short note about them (UTF-8); empty when there are none.
std::string withoutStandInNote(const Puzzle& p);

// The text as written as one CP1251 line for the game file: characters the
// code page lacks as numeric character references, "&" as "&amp;".
std::string writtenLine(const Puzzle& p);
// And back (UTF-8).
std::string fromWrittenLine(std::string_view line);

} // namespace smek::slovoset
