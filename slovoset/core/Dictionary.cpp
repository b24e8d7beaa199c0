#include "Dictionary.h"

#include "common/core/Alphabet.h"
#include "common/core/Cp1251.h"
#include "common/core/FreeFormat.h"
#include "common/core/TextFile.h"

#include <algorithm>
#include <filesystem>

namespace slovoset {
namespace {

std::string fileName(const std::string& pathData, char firstLetter, int length) {
    return pathData + smek::cp1251ToUtf8(std::string(1, firstLetter)) + "." + std::to_string(length);
}

size_t startIndex(int first, int second, int third) {
    return static_cast<size_t>((first * 34 + second) * 34 + third);
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

Dictionary::Dictionary(std::string pathData)
    : pathData_(std::move(pathData)), direct_(256 * kDirect), lengthsByStart_(34 * 34 * 34, 0),
      lengthsByMiddle_(34 * 34 * 34, 0) {}

Dictionary::~Dictionary() = default;

const Dictionary::Words& Dictionary::file(char firstLetter, size_t length) {
    const auto letter = static_cast<unsigned char>(firstLetter);
    const int first = smek::letterPosition(firstLetter);
    auto load = [&] {
        Words words;
        if (!listed_) {
            listed_ = true;
            std::error_code ec;
            for (std::filesystem::directory_iterator it(pathData_, ec), end; !ec && it != end; it.increment(ec))
                names_.insert(it->path().filename().string());
            listOk_ = !ec;
        }
        const std::string name = smek::cp1251ToUtf8(std::string(1, firstLetter)) + "." + std::to_string(length);
        const bool present = !listOk_ || names_.count(name) != 0;
        for (std::string& w : present ? readDictionaryFile(pathData_, firstLetter, static_cast<int>(length))
                                      : std::vector<std::string>{}) {
            // Only a word of this file's letter and length can ever equal a candidate.
            if (w.size() != length || w[0] != firstLetter ||
                !std::all_of(w.begin(), w.end(), [](char c) { return smek::letterPosition(c) != 0; }))
                continue;
            if (length < kDirect) {
                const int second = length > 1 ? smek::letterPosition(w[1]) : 0;
                const int third = length > 2 ? smek::letterPosition(w[2]) : 0;
                lengthsByStart_[startIndex(first, second, third)] |= std::uint64_t{1} << length;
                const int fourth = length > 3 ? smek::letterPosition(w[3]) : 0;
                const int fifth = length > 4 ? smek::letterPosition(w[4]) : 0;
                lengthsByMiddle_[startIndex(first, fourth, fifth)] |= std::uint64_t{1} << length;
            }
            words.insert(std::move(w));
        }
        if (length < kDirect && first != 0) loaded_[first] |= std::uint64_t{1} << length;
        return words;
    };
    if (length < kDirect) {
        std::unique_ptr<Words>& slot = direct_[letter * kDirect + length];
        if (!slot) slot = std::make_unique<Words>(load());
        return *slot;
    }
    const std::uint64_t key = (static_cast<std::uint64_t>(letter) << 32) | length;
    auto it = others_.find(key);
    if (it == others_.end()) it = others_.emplace(key, load()).first;
    return it->second;
}

bool Dictionary::contains(std::string_view word) {
    if (word.empty()) return false;
    const Words& words = file(word[0], word.size());
    return !words.empty() && words.find(word) != words.end();
}

std::uint64_t Dictionary::wordsAmong(std::string_view text, std::uint64_t wanted) {
    if (text.empty()) return 0;
    const int first = smek::letterPosition(text[0]);
    if (first == 0) return WordLookup::wordsAmong(text, wanted);
    const int second = text.size() > 1 ? smek::letterPosition(text[1]) : 0;
    const int third = text.size() > 2 ? smek::letterPosition(text[2]) : 0;
    const std::uint64_t known = (lengthsByStart_[startIndex(first, second, third)] & ~std::uint64_t{7}) |
                                (lengthsByStart_[startIndex(first, second, 0)] & 4) |
                                (lengthsByStart_[startIndex(first, 0, 0)] & 2);
    const int fourth = text.size() > 3 ? smek::letterPosition(text[3]) : 0;
    const int fifth = text.size() > 4 ? smek::letterPosition(text[4]) : 0;
    const std::uint64_t known2 = (lengthsByMiddle_[startIndex(first, fourth, fifth)] & ~std::uint64_t{0x1F}) |
                                 (lengthsByMiddle_[startIndex(first, fourth, 0)] & 0x10) |
                                 (lengthsByMiddle_[startIndex(first, 0, 0)] & 0x0E);
    // Lengths whose file is not read yet may hold a word too.
    const std::uint64_t maybe = ((known & known2) | ~loaded_[first]) & wanted;
    std::uint64_t found = 0;
    for (size_t L = 1; L < 64 && L <= text.size(); ++L) {
        if (!(maybe >> L & 1)) continue;
        const Words& words = file(text[0], L);
        if (words.find(text.substr(0, L)) != words.end()) found |= std::uint64_t{1} << L;
    }
    return found;
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

} // namespace slovoset
