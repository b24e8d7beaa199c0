// SPDX-License-Identifier: GPL-3.0-or-later
#include "Lookup.h"

#include "common/core/Cp1251.h"

#include <cstdio>

namespace smek::slovolov {
namespace {

char toLowerCp1251(char ch) {
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 0xC0) return static_cast<char>(c + 0x20); // А..Я
    if (c == 0xA8) return static_cast<char>(0xB8);     // Ё
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c + 0x20);
    return ch;
}

bool unreserved(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

} // namespace

std::string lookupAddress(std::string_view word) {
    std::string lower;
    for (char ch : word) lower += ch == ' ' ? '_' : toLowerCp1251(ch);
    std::string address = kDictionaryArticle;
    for (char ch : smek::cp1251ToUtf8(lower)) {
        const auto c = static_cast<unsigned char>(ch);
        if (unreserved(c)) {
            address += ch;
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            address += hex;
        }
    }
    return address;
}

} // namespace smek::slovolov
