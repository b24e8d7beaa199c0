// SPDX-License-Identifier: GPL-3.0-or-later
// Recognising the encoding of an author's text, and refusing what is no text.
#include "common/core/Cp1251.h"
#include "common/core/TextDetect.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace smek {
namespace {

const std::string kProse = "Утром мы пошли в лес за грибами, а вечером вернулись домой. Ёжик спал.";

std::string koi8r(const std::string& utf8) {
    std::map<std::string, char> byCharacter;
    for (int b = 0x80; b < 0x100; ++b) byCharacter[koi8rToUtf8(std::string(1, static_cast<char>(b)))] = static_cast<char>(b);
    std::string out;
    size_t i = 0;
    while (i < utf8.size()) {
        const size_t at = i;
        char32_t c = 0;
        nextUtf8(utf8, i, c);
        const std::string character = utf8.substr(at, i - at);
        out += c < 0x80 ? character[0] : byCharacter.at(character);
    }
    return out;
}

std::string utf16(const std::string& utf8, bool bigEndian, bool mark) {
    std::string out;
    const auto unit = [&](char32_t u) {
        const char high = static_cast<char>(u >> 8), low = static_cast<char>(u & 0xFF);
        out += bigEndian ? std::string{high, low} : std::string{low, high};
    };
    if (mark) unit(0xFEFF);
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t c = 0;
        nextUtf8(utf8, i, c);
        if (c > 0xFFFF) {
            unit(0xD800 + ((c - 0x10000) >> 10));
            unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            unit(c);
        }
    }
    return out;
}

void expectText(const std::string& bytes, TextEncoding encoding, const std::string& utf8) {
    const std::optional<DecodedText> text = decodeText(bytes);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->encoding, encoding);
    EXPECT_EQ(text->utf8, utf8);
}

TEST(TextDetect, EachEncodingOfARussianText) {
    expectText(kProse, TextEncoding::Utf8, kProse);
    expectText("\xEF\xBB\xBF" + kProse, TextEncoding::Utf8, kProse);
    expectText(utf8ToCp1251(kProse), TextEncoding::Cp1251, kProse);
    expectText(koi8r(kProse), TextEncoding::Koi8R, kProse);
    const std::string emoji = kProse + " 😀";
    expectText(utf16(emoji, false, true), TextEncoding::Utf16LE, emoji);
    expectText(utf16(emoji, true, true), TextEncoding::Utf16BE, emoji);
    expectText(utf16(kProse, false, false), TextEncoding::Utf16LE, kProse);
    expectText(utf16("Да", false, false), TextEncoding::Utf16LE, "Да"); // two units are enough
    // Capitals only, and a short text: still told apart by their letters.
    for (const std::string text : {"СТАРЫЙ ЗАМОК СТОЯЛ НА ГОРЕ", "Белый лен"}) {
        expectText(koi8r(text), TextEncoding::Koi8R, text);
        expectText(utf8ToCp1251(text), TextEncoding::Cp1251, text);
    }
    // Signs no text holds (⌠ ∙ ⌡ in KOI8-R) outvote its letters: read as the designed encoding.
    for (const char* sign : {"\x93", "\x95", "\x9B"}) {
        const std::string signed_ = koi8r("Белый лен") + sign;
        expectText(signed_, TextEncoding::Cp1251, cp1251ToUtf8(signed_));
    }
    // No Russian letter in either reading: a tie, which the designed encoding wins.
    expectText("Copyright \xBF 2024", TextEncoding::Cp1251, "Copyright ї 2024");
    expectText("", TextEncoding::Utf8, "");
    expectText("Latin only\r\n\tand a form feed\f", TextEncoding::Utf8, "Latin only\r\n\tand a form feed\f");
}

TEST(TextDetect, AStrayByteInUtf8IsShownNotFatal) {
    expectText("Старый замок стоял на горе.\xFF Вдали стучал дятел.", TextEncoding::Utf8,
               "Старый замок стоял на горе.\uFFFD Вдали стучал дятел.");
    expectText(utf8ToCp1251(kProse) + "\x1A", TextEncoding::Cp1251, kProse + "\x1A"); // a DOS end mark
}

TEST(TextDetect, BinaryDataAndControlCodesAreNoText) {
    std::string everyByte;
    for (int round = 0; round < 4; ++round)
        for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
    EXPECT_FALSE(decodeText(everyByte));
    EXPECT_FALSE(decodeText(std::string("\x7F" "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0", 16) + kProse));
    EXPECT_FALSE(decodeText(kProse + std::string(1, '\0')));
    EXPECT_FALSE(decodeText(kProse + "\x1B[0m"));
    std::string high; // no control code, but box drawing and rare letters throughout
    for (int round = 0; round < 4; ++round)
        for (int b = 0x80; b < 0x100; ++b) high += static_cast<char>(b);
    EXPECT_FALSE(decodeText(high));
    // UTF-16 that is all broken.
    EXPECT_FALSE(decodeText("\xFF\xFE" + std::string(40, '\xD8')));
}

} // namespace
} // namespace smek
