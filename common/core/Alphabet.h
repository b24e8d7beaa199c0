// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 33-letter alphabet "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ" in CP1251 bytes.
// Letter tests, upper-casing and the word-search letter codes all refer to it.
#include <array>
#include <string>
#include <string_view>

namespace smek {

constexpr char kYoUpper = '\xA8'; // Ё
constexpr char kYoLower = '\xB8'; // ё

const std::string& alphabet();

namespace detail {
// Position by CP1251 byte; a table because the text analysis asks millions of times.
constexpr std::array<unsigned char, 256> kLetterPositions = [] {
    std::array<unsigned char, 256> table{};
    for (int b = 0xC0; b <= 0xC5; ++b) table[static_cast<size_t>(b)] = static_cast<unsigned char>(b - 0xC0 + 1);
    table[0xA8] = 7; // Ё
    for (int b = 0xC6; b <= 0xDF; ++b) table[static_cast<size_t>(b)] = static_cast<unsigned char>(b - 0xC6 + 8);
    return table;
}();
} // namespace detail

// 1-based position of a capital in the alphabet (А = 1, Ё = 7, Я = 33); 0 for anything else.
inline int letterPosition(char capital) { return detail::kLetterPositions[static_cast<unsigned char>(capital)]; }
// The capital at position 1..33; '?' outside.
char letterAt(int position);

bool isRussianLetter(char c);        // either case, Ё/ё included
inline bool isRussianCapital(char c) { return letterPosition(c) != 0; }
char toUpperRu(char c);              // а..я, ё and a..z to capitals; others unchanged
std::string toUpperRu(std::string_view s);

} // namespace smek
