// SPDX-License-Identifier: GPL-3.0-or-later
#include "Alphabet.h"

namespace smek {

const std::string& alphabet() {
    static const std::string letters = [] {
        std::string s;
        for (int c = 0xC0; c <= 0xC5; ++c) s += static_cast<char>(c);
        s += kYoUpper;
        for (int c = 0xC6; c <= 0xDF; ++c) s += static_cast<char>(c);
        return s;
    }();
    return letters;
}

char letterAt(int position) {
    if (position < 1 || position > 33) return '?';
    return alphabet()[static_cast<size_t>(position - 1)];
}

bool isRussianLetter(char c) {
    return isRussianCapital(toUpperRu(c));
}

char toUpperRu(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0xE0) return static_cast<char>(b - 0x20);
    if (c == kYoLower) return kYoUpper;
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    return c;
}

std::string toUpperRu(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = toUpperRu(c);
    return out;
}

} // namespace smek
