// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dictionary of the hidden-word program: one file per first letter and
// length in the data folder (К.5 holds five-letter words beginning with К).
// A file is a number N followed by words as delimited text items; only items
// 0..N count, and a file that cannot be opened or read holds no word.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace smek::slovoset {

class WordLookup {
public:
    virtual ~WordLookup() = default;
    // word: CP1251 capitals, at least one letter.
    virtual bool contains(std::string_view word) = 0;
    // The lengths L among `wanted` (bit L, L < 64) for which the first L
    // letters of `text` are a word.
    virtual std::uint64_t wordsAmong(std::string_view text, std::uint64_t wanted);
    // No word beginning with the letter is longer than this, so the analysis
    // need not ask about longer candidates. Without a bound, every length is asked.
    virtual size_t longestWord(char firstLetter);
};

// The words of one dictionary file as the reader sees them: N, then at most
// N + 1 items. Missing or unreadable file, or no number first: no words.
std::vector<std::string> readDictionaryFile(const std::string& pathData, char firstLetter, int length);

// Reads the files of a first letter once, when a text first asks about that
// letter, into a letter tree; one walk down the tree then answers every
// length at a start of the text.
class Dictionary : public WordLookup {
public:
    explicit Dictionary(std::string pathData);
    bool contains(std::string_view word) override;
    std::uint64_t wordsAmong(std::string_view text, std::uint64_t wanted) override;
    size_t longestWord(char firstLetter) override;
    const std::string& pathData() const { return pathData_; }

private:
    struct Node {
        std::array<std::int32_t, 33> next{}; // by alphabet position - 1; 0 = none
        bool word = false;
    };
    void loadLetter(char firstLetter);
    void insert(std::string_view word);
    // The node reached by the letters of `text`, following at most `limit`
    // of them and calling `atNode(depth, node)` on the way; 0 once it leaves the tree.
    template <class Visit>
    std::int32_t walk(std::string_view text, size_t limit, Visit atNode);

    std::string pathData_;
    std::vector<Node> nodes_;
    std::array<bool, 256> loaded_{};
    std::array<size_t, 256> longest_{}; // by first letter, once loaded
    // The names in the data folder, listed once, so that the many lengths
    // without a file cost no failed open each.
    std::unordered_set<std::string> names_;
    bool listed_ = false;
    bool listOk_ = false;
};

// Opens and scans the file again for every word asked about; the yardstick
// the cached dictionary is measured against.
class DictionaryScan : public WordLookup {
public:
    explicit DictionaryScan(std::string pathData) : pathData_(std::move(pathData)) {}
    bool contains(std::string_view word) override;

private:
    std::string pathData_;
};

} // namespace smek::slovoset
