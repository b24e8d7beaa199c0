// SPDX-License-Identifier: GPL-3.0-or-later
#include "Dictionary.h"

#include "common/core/Alphabet.h"
#include "common/core/Cp1251.h"
#include "common/core/FreeFormat.h"
#include "common/core/TextFile.h"

#include <algorithm>
#include <filesystem>
#include <limits>

namespace smek::slovoset {
namespace {

std::string fileName(const std::string& pathData, char firstLetter, int length) {
    return pathData + smek::cp1251ToUtf8(std::string(1, firstLetter)) + "." + std::to_string(length);
}

} // namespace

std::vector<std::string> readDictionaryFile(const std::string& pathData, char firstLetter, int length) {
    std::vector<std::string> words;
    smek::ReadResult file = smek::readTextFile(fileName(pathData, firstLetter, length));
    if (file.error) return words;
    smek::FreeFormatReader reader(std::move(file.content));
    const std::optional<int> n = reader.readNumber();
    if (!n) return words;
    // Items 0..N: one more than the count, so either reading of N works.
    for (long long i = 0; i <= *n; ++i) {
        std::optional<std::string> word = reader.readText();
        if (!word) break;
        words.push_back(std::move(*word));
    }
    return words;
}

std::uint64_t WordLookup::wordsAmong(std::string_view text, std::uint64_t wanted) {
    std::uint64_t found = 0;
    for (size_t L = std::min<size_t>(63, text.size()); L >= 1; --L)
        if ((wanted >> L & 1) && contains(text.substr(0, L))) found |= std::uint64_t{1} << L;
    return found;
}

size_t WordLookup::longestWord(char) { return std::numeric_limits<size_t>::max(); }

Dictionary::Dictionary(std::string pathData) : pathData_(std::move(pathData)), nodes_(1) {
    nodes_.reserve(1 << 14); // the shipped dictionary's tree fits without moving
}

void Dictionary::insert(std::string_view word) {
    std::int32_t node = 0;
    for (const char c : word) {
        const size_t slot = static_cast<size_t>(smek::letterPosition(c) - 1);
        std::int32_t next = nodes_[static_cast<size_t>(node)].next[slot];
        if (next == 0) {
            next = static_cast<std::int32_t>(nodes_.size());
            nodes_[static_cast<size_t>(node)].next[slot] = next;
            nodes_.emplace_back();
        }
        node = next;
    }
    nodes_[static_cast<size_t>(node)].word = true;
}

void Dictionary::loadLetter(char firstLetter) {
    loaded_[static_cast<unsigned char>(firstLetter)] = true;
    if (!listed_) {
        listed_ = true;
        std::error_code ec;
        for (std::filesystem::directory_iterator it(pathData_, ec), end; !ec && it != end; it.increment(ec))
            names_.insert(it->path().filename().string());
        listOk_ = !ec;
    }
    const std::string prefix = smek::cp1251ToUtf8(std::string(1, firstLetter)) + ".";
    std::vector<int> lengths;
    if (listOk_) {
        // Names as the lookup builds them: the length in decimal without padding.
        for (const std::string& name : names_) {
            if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
            const std::string digits = name.substr(prefix.size());
            if (digits.size() > 4 || digits[0] == '0' ||
                !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
                continue;
            lengths.push_back(std::stoi(digits));
        }
    } else {
        // A folder that cannot be listed may still be read: ask for every length a text can use.
        for (int length = 1; length < 64; ++length) lengths.push_back(length);
    }
    for (const int length : lengths) {
        for (const std::string& w : readDictionaryFile(pathData_, firstLetter, length)) {
            // Only a word of this file's letter and length can ever equal a candidate.
            if (static_cast<int>(w.size()) == length && w[0] == firstLetter &&
                std::all_of(w.begin(), w.end(), smek::isRussianCapital)) {
                insert(w);
                longest_[static_cast<unsigned char>(firstLetter)] =
                    std::max(longest_[static_cast<unsigned char>(firstLetter)], w.size());
            }
        }
    }
}

template <class Visit>
std::int32_t Dictionary::walk(std::string_view text, size_t limit, Visit atNode) {
    if (text.empty() || !smek::isRussianCapital(text[0])) return 0;
    if (!loaded_[static_cast<unsigned char>(text[0])]) loadLetter(text[0]);
    std::int32_t node = 0;
    for (size_t i = 0; i < limit && i < text.size(); ++i) {
        const int position = smek::letterPosition(text[i]);
        if (position == 0) return 0;
        node = nodes_[static_cast<size_t>(node)].next[static_cast<size_t>(position - 1)];
        if (node == 0) return 0;
        atNode(i + 1, nodes_[static_cast<size_t>(node)]);
    }
    return node;
}

bool Dictionary::contains(std::string_view word) {
    const std::int32_t node = walk(word, word.size(), [](size_t, const Node&) {});
    return node != 0 && nodes_[static_cast<size_t>(node)].word;
}

std::uint64_t Dictionary::wordsAmong(std::string_view text, std::uint64_t wanted) {
    std::uint64_t found = 0;
    walk(text, 63, [&](size_t depth, const Node& node) {
        if (node.word) found |= std::uint64_t{1} << depth;
    });
    return found & wanted;
}

size_t Dictionary::longestWord(char firstLetter) {
    if (!smek::isRussianCapital(firstLetter)) return 0;
    if (!loaded_[static_cast<unsigned char>(firstLetter)]) loadLetter(firstLetter);
    return longest_[static_cast<unsigned char>(firstLetter)];
}

bool DictionaryScan::contains(std::string_view word) {
    if (word.empty()) return false;
    smek::ReadResult file = smek::readTextFile(fileName(pathData_, word[0], static_cast<int>(word.size())));
    if (file.error) return false;
    smek::FreeFormatReader reader(std::move(file.content));
    const std::optional<int> n = reader.readNumber();
    if (!n) return false;
    for (long long i = 0; i <= *n; ++i) {
        const std::optional<std::string> item = reader.readText();
        if (!item) return false;
        if (*item == word) return true;
    }
    return false;
}

} // namespace smek::slovoset
