// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextDetect.h"

#include "Cp1251.h"

#include <array>
#include <cmath>

namespace smek {
namespace {

// Letters per 10,000 of Russian prose, а..я (ё counted with е).
constexpr std::array<int, 32> kLetterFrequency = {
    801, 159, 454, 170, 298, 849, 94, 165, 735, 121, 349, 440, 321, 670, 1097, 281,
    473, 547, 626, 262, 26, 97, 48, 144, 73, 36, 4, 190, 174, 32, 64, 201,
};

// How Russian the letters of a UTF-8 text look: their mean log frequency,
// less a share for each capital right after a small letter. The letters of a
// text read in the wrong one of two single-byte encodings are scrambled and
// their case turned about, so both fall far below those of real words.
double russianLikeness(std::string_view utf8) {
    double sum = 0;
    int letters = 0;
    int turned = 0;
    bool afterSmall = false;
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t c = 0;
        if (!nextUtf8(utf8, i, c)) continue;
        int index = -1;
        const bool small = (c >= 0x0430 && c <= 0x044F) || c == 0x0451;
        if (c >= 0x0430 && c <= 0x044F) index = static_cast<int>(c - 0x0430);
        else if (c >= 0x0410 && c <= 0x042F) index = static_cast<int>(c - 0x0410);
        else if (c == 0x0401 || c == 0x0451) index = 5;
        if (index < 0) {
            afterSmall = false;
            continue;
        }
        if (afterSmall && !small) ++turned;
        afterSmall = small;
        sum += std::log(static_cast<double>(kLetterFrequency[static_cast<size_t>(index)]));
        ++letters;
    }
    return letters == 0 ? 0 : (sum - 3.0 * turned) / letters;
}

// Control codes no text holds: all below the blank except tab, line feed,
// vertical tab, form feed and carriage return; DEL; the C1 codes; the
// non-characters U+FFFE and U+FFFF.
bool isControl(char32_t c) {
    if (c < 0x20) return c != '\t' && c != '\n' && c != '\v' && c != '\f' && c != '\r';
    return c == 0x7F || (c >= 0x80 && c < 0xA0) || c == 0xFFFE || c == 0xFFFF;
}

// Signs that a text in the encoding would hardly hold: box drawing (KOI8-R's
// upper half), the rarest letters of other Cyrillic alphabets.
bool isOdd(char32_t c) {
    return (c >= 0x2500 && c <= 0x25FF) || (c >= 0x2320 && c <= 0x2321) || c == 0x2219 || c == 0x221A ||
           c == 0x2248 || c == 0x2264 || c == 0x2265 || c == 0x00F7 || c == 0x0402 || c == 0x0403 ||
           c == 0x0453 || c == 0x0409 || c == 0x040A || c == 0x040C || c == 0x040B || c == 0x040F ||
           c == 0x0452 || c == 0x0459 || c == 0x045A || c == 0x045C || c == 0x045B || c == 0x045F ||
           c == 0x0098 || c == 0x0408 || c == 0x0458 || c == 0x0405 || c == 0x0455;
}

struct Census {
    size_t characters = 0;
    size_t controls = 0;
    size_t odd = 0;
    size_t broken = 0; // U+FFFD, from a bad sequence
};

Census census(std::string_view utf8) {
    Census n;
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t c = 0;
        if (!nextUtf8(utf8, i, c)) c = 0xFFFD;
        ++n.characters;
        // A DOS end-of-file mark may close a text.
        if (isControl(c) && !(c == 0x1A && i == utf8.size())) ++n.controls;
        if (isOdd(c)) ++n.odd;
        if (c == 0xFFFD) ++n.broken;
    }
    return n;
}

bool looksLikeText(const Census& n) {
    // Broken sequences: a stray byte is shown, a text mostly broken is none.
    return n.controls == 0 && n.odd * 50 <= n.characters && n.broken * 4 <= n.characters;
}

// UTF-8 with a few broken sequences is still UTF-8 when it holds many more
// good ones of several bytes; a single-byte Russian text almost never holds one.
bool mostlyUtf8(std::string_view bytes) {
    size_t good = 0;
    size_t bad = 0;
    size_t i = 0;
    while (i < bytes.size()) {
        const size_t at = i;
        char32_t c = 0;
        if (!nextUtf8(bytes, i, c)) ++bad;
        else if (i - at > 1) ++good;
    }
    return bad == 0 || bad * 4 <= good;
}

// UTF-16 without its mark: in nearly every unit the high byte is 0 (Latin)
// or 4 (Cyrillic), the low byte rarely so.
std::optional<bool> plainUtf16(std::string_view bytes) {
    if (bytes.size() < 4 || bytes.size() % 2 != 0) return std::nullopt;
    size_t highAt[2] = {0, 0};
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == 0 || b == 4) ++highAt[i % 2];
    }
    const size_t units = bytes.size() / 2;
    if (highAt[1] * 10 >= units * 9 && highAt[0] * 10 < units * 2) return false; // little-endian
    if (highAt[0] * 10 >= units * 9 && highAt[1] * 10 < units * 2) return true;
    return std::nullopt;
}

std::optional<DecodedText> ifText(std::string utf8, TextEncoding encoding) {
    if (!looksLikeText(census(utf8))) return std::nullopt;
    return DecodedText{std::move(utf8), encoding};
}

} // namespace

std::optional<DecodedText> decodeText(std::string_view bytes) {
    const auto starts = [&](std::string_view mark) { return bytes.substr(0, mark.size()) == mark; };
    if (starts("\xEF\xBB\xBF")) return ifText(utf8Repaired(bytes.substr(3)), TextEncoding::Utf8);
    if (starts("\xFF\xFE")) return ifText(utf16ToUtf8(bytes.substr(2), false), TextEncoding::Utf16LE);
    if (starts("\xFE\xFF")) return ifText(utf16ToUtf8(bytes.substr(2), true), TextEncoding::Utf16BE);
    if (const std::optional<bool> bigEndian = plainUtf16(bytes))
        return ifText(utf16ToUtf8(bytes, *bigEndian), *bigEndian ? TextEncoding::Utf16BE : TextEncoding::Utf16LE);
    if (mostlyUtf8(bytes)) return ifText(utf8Repaired(bytes), TextEncoding::Utf8);

    std::string cp1251 = cp1251ToUtf8(bytes);
    std::string koi8 = koi8rToUtf8(bytes);
    const double asCp1251 = russianLikeness(cp1251);
    const double asKoi8 = russianLikeness(koi8);
    // KOI8-R only where it reads clearly better: the designed encoding wins a tie.
    const Census koi8Census = census(koi8);
    if (asKoi8 > asCp1251 && looksLikeText(koi8Census)) return DecodedText{std::move(koi8), TextEncoding::Koi8R};
    return ifText(std::move(cp1251), TextEncoding::Cp1251);
}

} // namespace smek
