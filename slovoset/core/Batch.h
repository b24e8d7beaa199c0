// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the command-line tool needs to prepare many puzzles at once: a title
// for each text and a count of its words by length.
#include "Puzzle.h"

#include <map>
#include <string>

namespace smek::slovoset {

struct TitledText {
    std::string title; // UTF-8
    std::string text;  // UTF-8, without the title line
};
// A text's first line is its title when it is short (up to 60 characters),
// holds a letter, does not end like a sentence (. ! ? … , ; :) and more text
// follows; it then leaves the text, with the empty lines after it. Otherwise
// the title is `fallback` (the file name) and the text stays whole.
TitledText titleOfText(const std::string& text, const std::string& fallback);

// The puzzle's chosen words (create) or listed words (play) by letter count.
std::map<int, int> wordsByLength(const Puzzle& p);

} // namespace smek::slovoset
