#pragma once
// The 33-letter alphabet "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ" in CP1251 bytes.
// Letter tests, upper-casing and the word-search letter codes all refer to it.
#include <string>
#include <string_view>

namespace smek {

constexpr char kYoUpper = '\xA8'; // Ё
constexpr char kYoLower = '\xB8'; // ё

const std::string& alphabet();
// 1-based position of a capital in the alphabet (А = 1, Ё = 7, Я = 33); 0 for anything else.
int letterPosition(char capital);
// The capital at position 1..33; '?' outside.
char letterAt(int position);

bool isRussianLetter(char c);        // either case, Ё/ё included
bool isRussianCapital(char c);
char toUpperRu(char c);              // а..я, ё and a..z to capitals; others unchanged
std::string toUpperRu(std::string_view s);

} // namespace smek
