#include "Dictionary.h"

#include "common/core/Cp1251.h"
#include "common/core/FreeFormat.h"
#include "common/core/TextFile.h"

namespace slovoset {
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

Dictionary::Dictionary(std::string pathData) : pathData_(std::move(pathData)) {}

bool Dictionary::contains(const std::string& word) {
    if (word.empty()) return false;
    const auto key = (static_cast<std::uint64_t>(static_cast<unsigned char>(word[0])) << 32) | word.size();
    auto it = files_.find(key);
    if (it == files_.end()) {
        std::vector<std::string> words = readDictionaryFile(pathData_, word[0], static_cast<int>(word.size()));
        it = files_.emplace(key, std::unordered_set<std::string>(words.begin(), words.end())).first;
    }
    return it->second.count(word) != 0;
}

bool DictionaryScan::contains(const std::string& word) {
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

} // namespace slovoset
