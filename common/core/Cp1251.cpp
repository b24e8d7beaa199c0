// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cp1251.h"

#include <array>
#include <unordered_map>

namespace smek {
namespace {

// 0x80..0xBF; 0x98 has no character in the code page and maps to U+0098 so
// that every byte survives a round trip.
constexpr std::array<char16_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

const std::unordered_map<char32_t, unsigned char>& reverseHigh() {
    static const auto map = [] {
        std::unordered_map<char32_t, unsigned char> m;
        for (unsigned i = 0; i < kHigh.size(); ++i) m.emplace(kHigh[i], static_cast<unsigned char>(0x80 + i));
        return m;
    }();
    return map;
}

} // namespace

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool nextUtf8(std::string_view s, size_t& i, char32_t& out) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int len = 0;
    char32_t c = 0;
    if (b0 < 0x80) { out = b0; ++i; return true; }
    if ((b0 & 0xE0) == 0xC0) { len = 2; c = b0 & 0x1F; }
    else if ((b0 & 0xF0) == 0xE0) { len = 3; c = b0 & 0x0F; }
    else if ((b0 & 0xF8) == 0xF0) { len = 4; c = b0 & 0x07; }
    else { ++i; return false; }
    if (i + len > s.size()) { ++i; return false; }
    for (int k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) { ++i; return false; }
        c = (c << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kMin[len] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) { ++i; return false; }
    out = c;
    i += len;
    return true;
}

namespace {

// KOI8-R 0x80..0xBF: box drawing and signs, with ё at 0xA3 and Ё at 0xB3.
constexpr std::array<char16_t, 64> kKoi8High = {
    0x2500, 0x2502, 0x250C, 0x2510, 0x2514, 0x2518, 0x251C, 0x2524,
    0x252C, 0x2534, 0x253C, 0x2580, 0x2584, 0x2588, 0x258C, 0x2590,
    0x2591, 0x2592, 0x2593, 0x2320, 0x25A0, 0x2219, 0x221A, 0x2248,
    0x2264, 0x2265, 0x00A0, 0x2321, 0x00B0, 0x00B2, 0x00B7, 0x00F7,
    0x2550, 0x2551, 0x2552, 0x0451, 0x2553, 0x2554, 0x2555, 0x2556,
    0x2557, 0x2558, 0x2559, 0x255A, 0x255B, 0x255C, 0x255D, 0x255E,
    0x255F, 0x2560, 0x2561, 0x0401, 0x2562, 0x2563, 0x2564, 0x2565,
    0x2566, 0x2567, 0x2568, 0x2569, 0x256A, 0x256B, 0x256C, 0x00A9,
};
// KOI8-R 0xC0..0xDF, small letters in the order of the Latin ones they sound
// like; 0xE0..0xFF are the same capitals.
constexpr std::u16string_view kKoi8Letters = u"юабцдефгхийклмнопярстужвьызшэщчъ";

constexpr char32_t kReplacement = 0xFFFD;

} // namespace

char32_t cp1251ToUnicode(unsigned char byte) {
    if (byte < 0x80) return byte;
    if (byte >= 0xC0) return 0x0410 + (byte - 0xC0);
    return kHigh[byte - 0x80];
}

char unicodeToCp1251(char32_t code) {
    if (code < 0x80) return static_cast<char>(code);
    if (code >= 0x0410 && code <= 0x044F) return static_cast<char>(0xC0 + (code - 0x0410));
    const auto& map = reverseHigh();
    const auto it = map.find(code);
    return it == map.end() ? '?' : static_cast<char>(it->second);
}

std::string cp1251ToUtf8(std::string_view cp1251) {
    std::string out;
    out.reserve(cp1251.size() * 2);
    for (const char ch : cp1251) appendUtf8(out, cp1251ToUnicode(static_cast<unsigned char>(ch)));
    return out;
}

std::string utf8ToCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t c = 0;
        out += nextUtf8(utf8, i, c) ? unicodeToCp1251(c) : '?';
    }
    return out;
}

bool isValidUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        char32_t c = 0;
        if (!nextUtf8(bytes, i, c)) return false;
    }
    return true;
}

std::string utf8Repaired(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    size_t i = 0;
    while (i < bytes.size()) {
        char32_t c = 0;
        appendUtf8(out, nextUtf8(bytes, i, c) ? c : kReplacement);
    }
    return out;
}

std::string koi8rToUtf8(std::string_view koi8r) {
    std::string out;
    out.reserve(koi8r.size() * 2);
    for (const char ch : koi8r) {
        const auto b = static_cast<unsigned char>(ch);
        char32_t c = b;
        if (b >= 0xE0) c = kKoi8Letters[b - 0xE0] - 0x20; // the capitals
        else if (b >= 0xC0) c = kKoi8Letters[b - 0xC0];
        else if (b >= 0x80) c = kKoi8High[b - 0x80];
        appendUtf8(out, c);
    }
    return out;
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    const auto unit = [&](size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        appendUtf8(out, c >= 0xD800 && c <= 0xDFFF ? kReplacement : c);
    }
    if (i < bytes.size()) appendUtf8(out, kReplacement); // an odd last byte
    return out;
}

} // namespace smek
