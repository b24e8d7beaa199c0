// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every file the games read or write is Windows-1251; inside the cores text is
// a std::string of CP1251 bytes, so one character is one byte.
#include <string>
#include <string_view>

namespace smek {

char32_t cp1251ToUnicode(unsigned char byte);
// Characters CP1251 cannot hold become '?', as the platform's ANSI conversion does.
char unicodeToCp1251(char32_t code);

std::string cp1251ToUtf8(std::string_view cp1251);
// Invalid UTF-8 sequences become '?' too.
std::string utf8ToCp1251(std::string_view utf8);
bool isValidUtf8(std::string_view bytes);

// One character of UTF-8 at i, which moves past it; false (and one byte on)
// for a bad sequence.
bool nextUtf8(std::string_view utf8, size_t& i, char32_t& code);
void appendUtf8(std::string& out, char32_t code);

// Other encodings of a Russian text, into UTF-8. Bad sequences and lone
// surrogates become U+FFFD, so nothing is dropped silently.
std::string utf8Repaired(std::string_view bytes);
std::string koi8rToUtf8(std::string_view koi8r);
std::string utf16ToUtf8(std::string_view bytes, bool bigEndian);

// Shorthand for CP1251 constants written as UTF-8 literals in the source.
inline std::string w1251(std::string_view utf8) { return utf8ToCp1251(utf8); }

} // namespace smek
