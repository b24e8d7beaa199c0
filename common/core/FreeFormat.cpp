// SPDX-License-Identifier: GPL-3.0-or-later
#include "FreeFormat.h"

#include <charconv>

namespace smek {

FreeFormatReader::FreeFormatReader(std::string content) : text_(std::move(content)) {}

void FreeFormatReader::skipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
}

bool FreeFormatReader::atLineEnd() const {
    return pos_ < text_.size() && (text_[pos_] == '\r' || text_[pos_] == '\n');
}

void FreeFormatReader::skipDelimiter() {
    skipBlanks();
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == ',') {
        ++pos_;
    } else if (text_[pos_] == '\r') {
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    } else if (text_[pos_] == '\n') {
        ++pos_;
    }
}

std::optional<std::string> FreeFormatReader::readText() {
    skipBlanks();
    if (atEnd()) return std::nullopt;
    std::string item;
    if (text_[pos_] == '"') {
        // The quotes enclose an item, never a line end: an item without its
        // closing quote ends with its line.
        size_t end = pos_ + 1;
        while (end < text_.size() && text_[end] != '"' && text_[end] != '\r' && text_[end] != '\n') ++end;
        item = text_.substr(pos_ + 1, end - pos_ - 1);
        pos_ = end < text_.size() && text_[end] == '"' ? end + 1 : end;
        // Anything after the closing quote up to the delimiter is dropped.
        while (pos_ < text_.size() && text_[pos_] != ',' && !atLineEnd()) ++pos_;
    } else {
        const size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && !atLineEnd()) ++pos_;
        item = text_.substr(start, pos_ - start);
        while (!item.empty() && (item.back() == ' ' || item.back() == '\t')) item.pop_back();
    }
    skipDelimiter();
    return item;
}

std::optional<int> FreeFormatReader::readNumber() {
    skipBlanks();
    if (atEnd()) return std::nullopt;
    const size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ' ' && text_[pos_] != '\t' && text_[pos_] != ',' && !atLineEnd())
        ++pos_;
    std::string_view item(text_.data() + start, pos_ - start);
    skipDelimiter();
    if (!item.empty() && item.front() == '+') item.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), value);
    if (item.empty() || ec != std::errc() || end != item.data() + item.size()) return std::nullopt;
    return value;
}

} // namespace smek
