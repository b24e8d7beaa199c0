// SPDX-License-Identifier: GPL-3.0-or-later
// The free-format reader: items never cross a line end, every read moves on,
// and numbers written as settings lines read back the same.
#include "Fuzz.h"
#include "common/core/FreeFormat.h"
#include "common/core/NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t program = data[0];
    smek::FreeFormatReader reader{std::string(fuzz::bytes(data + 1, size - 1))};
    size_t reads = 0;
    for (int step = 0; !reader.atEnd(); ++step) {
        fuzz::check(++reads <= size, "a read that does not move on");
        if (program >> (step % 8) & 1) {
            const auto number = reader.readNumber();
            if (number) {
                smek::FreeFormatReader back(smek::settingsLine(*number) + smek::signedNumberText(*number));
                fuzz::check(back.readNumber() == number && back.readNumber() == number,
                            "a number does not read back the same");
            }
        } else {
            const auto text = reader.readText();
            // Only blanks were left: no item, and the end.
            fuzz::check(text.has_value() || reader.atEnd(), "no text item before the end");
            if (text) fuzz::check(text->find_first_of("\r\n") == std::string::npos, "a text item runs across a line end");
        }
    }
    fuzz::check(!reader.readText() && !reader.readNumber(), "an item after the end");
    return 0;
}
