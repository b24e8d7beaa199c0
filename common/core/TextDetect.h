// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which encoding a Russian text file is in: UTF-8 (with or without its mark),
// UTF-16 (with its mark, or plainly so), Windows-1251 or KOI8-R, the last two
// told apart by which gives Russian letter statistics. Anything else, binary
// data above all, is no text.
#include <optional>
#include <string>
#include <string_view>

namespace smek {

enum class TextEncoding { Utf8, Utf16LE, Utf16BE, Cp1251, Koi8R };

struct DecodedText {
    std::string utf8; // without a byte-order mark
    TextEncoding encoding = TextEncoding::Utf8;
};

// Empty optional: the bytes are not a text (NUL or other control codes,
// characters no text holds, or too many broken sequences).
std::optional<DecodedText> decodeText(std::string_view bytes);

} // namespace smek
