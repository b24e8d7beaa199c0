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

// Shorthand for CP1251 constants written as UTF-8 literals in the source.
inline std::string w1251(std::string_view utf8) { return utf8ToCp1251(utf8); }

} // namespace smek
