#pragma once
// The dictionary of the hidden-word program: one file per first letter and
// length in the data folder (К.5 holds five-letter words beginning with К).
// A file is a number N followed by words as delimited text items; only items
// 0..N count, and a file that cannot be opened or read holds no word.
#include <cstdint>
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
    virtual bool contains(const std::string& word) = 0;
};

// The words of one dictionary file as the reader sees them: N, then at most
// N + 1 items. Missing or unreadable file, or no number first: no words.
std::vector<std::string> readDictionaryFile(const std::string& pathData, char firstLetter, int length);

// Reads each file once, on its first use, and keeps it for the run.
class Dictionary : public WordLookup {
public:
    explicit Dictionary(std::string pathData);
    bool contains(const std::string& word) override;
    const std::string& pathData() const { return pathData_; }

private:
    std::string pathData_;
    std::unordered_map<std::uint64_t, std::unordered_set<std::string>> files_;
};

// Opens and scans the file again for every word asked about; the yardstick
// the cached dictionary is measured against.
class DictionaryScan : public WordLookup {
public:
    explicit DictionaryScan(std::string pathData) : pathData_(std::move(pathData)) {}
    bool contains(const std::string& word) override;

private:
    std::string pathData_;
};

} // namespace slovoset
