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

// Decodes one UTF-8 sequence at i; returns false (and advances one byte) on a bad one.
bool decodeUtf8(std::string_view s, size_t& i, char32_t& out) {
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
        out += decodeUtf8(utf8, i, c) ? unicodeToCp1251(c) : '?';
    }
    return out;
}

bool isValidUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        char32_t c = 0;
        if (!decodeUtf8(bytes, i, c)) return false;
    }
    return true;
}

} // namespace smek
