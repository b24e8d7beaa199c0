// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a text file item by item: leading blanks are skipped; a text item ends
// at a comma or the line end (enclosing double quotes removed; a quoted item
// ends at its closing quote or its line end); a number item
// ends at a blank, a comma or the line end. A missing item (end of file, or
// text where a number belongs) is an empty optional, so loaders can refuse
// truncated or malformed files; the item is consumed either way.
#include <optional>
#include <string>

namespace smek {

class FreeFormatReader {
public:
    explicit FreeFormatReader(std::string content);

    std::optional<std::string> readText();
    // Whole numbers in the 32-bit range, optionally signed.
    std::optional<int> readNumber();
    bool atEnd() const { return pos_ >= text_.size(); }

private:
    void skipBlanks();
    // Consumes a comma, or a line end, when one comes next (after blanks).
    void skipDelimiter();
    bool atLineEnd() const;

    std::string text_;
    size_t pos_ = 0;
};

} // namespace smek
