#pragma once
// The dictionary of the hidden-word program: one file per first letter and
// length in the data folder (К.5 holds five-letter words beginning with К).
// A file is a number N followed by words as delimited text items; only items
// 0..N count, and a file that cannot be opened or read holds no word.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace slovoset {

class WordLookup {
public:
    virtual ~WordLookup() = default;
    // word: CP1251 capitals, at least one letter.
    virtual bool contains(std::string_view word) = 0;
    // The lengths L among `wanted` (bit L, L < 64) for which the first L
    // letters of `text` are a word; asks contains() longest first.
    virtual std::uint64_t wordsAmong(std::string_view text, std::uint64_t wanted);
};

// The words of one dictionary file as the reader sees them: N, then at most
// N + 1 items. Missing or unreadable file, or no number first: no words.
std::vector<std::string> readDictionaryFile(const std::string& pathData, char firstLetter, int length);

// Reads each file once, on its first use, and keeps it for the run.
class Dictionary : public WordLookup {
public:
    explicit Dictionary(std::string pathData);
    ~Dictionary() override;
    bool contains(std::string_view word) override;
    std::uint64_t wordsAmong(std::string_view text, std::uint64_t wanted) override;
    const std::string& pathData() const { return pathData_; }

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    using Words = std::unordered_set<std::string, Hash, std::equal_to<>>;
    const Words& file(char firstLetter, size_t length);

    // By the first three letters of a text (alphabet positions, 0 past its
    // end): the lengths of the loaded words that begin so, and per first
    // letter the lengths loaded. Most starts are refused by one look.
    std::vector<std::uint64_t> lengthsByStart_;
    // The same by the first, fourth and fifth letters: a second, independent sieve.
    std::vector<std::uint64_t> lengthsByMiddle_;
    std::uint64_t loaded_[34] = {};
    // The names in the data folder, listed once, so that the many lengths
    // without a file cost no failed open each.
    std::unordered_set<std::string> names_;
    bool listed_ = false;
    bool listOk_ = false; // an unlistable folder: try every file as asked

    std::string pathData_;
    // Files of lengths below kDirect by first letter and length, the rest by key.
    static constexpr size_t kDirect = 64;
    std::vector<std::unique_ptr<Words>> direct_;
    std::unordered_map<std::uint64_t, Words> others_;
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

} // namespace slovoset
