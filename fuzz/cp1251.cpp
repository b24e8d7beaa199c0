// SPDX-License-Identifier: GPL-3.0-or-later
// The codec: CP1251 to UTF-8 is valid UTF-8 and comes back byte for byte;
// UTF-8 of any bytes becomes at most one CP1251 byte a character.
#include "Fuzz.h"
#include "common/core/Cp1251.h"
#include "common/core/TextDetect.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input = fuzz::bytes(data, size);
    const std::string utf8 = smek::cp1251ToUtf8(input);
    fuzz::check(smek::isValidUtf8(utf8), "CP1251 turned into invalid UTF-8");
    fuzz::check(smek::utf8ToCp1251(utf8) == input, "CP1251 does not come back from UTF-8");
    const std::string narrowed = smek::utf8ToCp1251(input);
    fuzz::check(narrowed.size() <= input.size(), "UTF-8 decoding made more characters than bytes");
    if (smek::isValidUtf8(input)) {
        fuzz::check(smek::isValidUtf8(smek::cp1251ToUtf8(narrowed)), "a round trip made invalid UTF-8");
    }
    if (const auto text = smek::decodeText(input)) {
        fuzz::check(smek::isValidUtf8(text->utf8), "an author's file read as invalid UTF-8");
    }
    return 0;
}
