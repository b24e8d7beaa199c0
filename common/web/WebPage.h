// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One self-contained web page per puzzle: the templates (HTML, CSS, plain
// script) filled with the puzzle's data. UTF-8, nothing fetched, a security
// policy that allows only the page's own script and style (by their hashes),
// and answers only as salted hashes beside their positions; the script
// computes the same hash of what the player types.
#include <cstddef>
#include <string>
#include <string_view>

namespace smek::web {

enum class Game { Slovolov, Slovoset, Bukvoklad };

// The most a page may weigh, for the largest puzzle.
constexpr std::size_t kMaxPageBytes = 100 * 1024;

// A JSON string literal of UTF-8 text, safe inside a script element ("<",
// ">" and "&" as escapes, so no "</script>" can end it early).
std::string jsonString(std::string_view utf8);

// A puzzle's salt, from what makes the puzzle: the same puzzle gives the same
// salt (and so the same page), another puzzle another one. 16 hex digits.
std::string puzzleSalt(std::string_view identity);

// An answer as the page compares it: CP1251 capitals with Е for Ё, as UTF-8.
std::string answerForm(std::string_view cp1251Word);
// The hash of an answer at a position (16 hex digits): the first 64 bits of
// SHA-256 of salt, "|", the position in decimal, "|" and the answer's form.
std::string answerHash(std::string_view salt, int position, std::string_view cp1251Word);

struct PageContent {
    Game game = Game::Slovolov;
    std::string title; // UTF-8, shown as text
    std::string salt;  // puzzleSalt of the puzzle; also keys the saved progress
    std::string data;  // the game's fields as JSON members ("a":1,"b":[...]), no braces
};

// The whole page.
std::string writePage(const PageContent& content);

} // namespace smek::web
