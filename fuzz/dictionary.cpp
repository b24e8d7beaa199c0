// SPDX-License-Identifier: GPL-3.0-or-later
// Dictionary files: the cached dictionary answers exactly as a scan of the
// file for every word the analysis could ask about, and knows its longest word.
#include "Fuzz.h"
#include "common/core/Alphabet.h"
#include "slovoset/core/Dictionary.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int length = 1 + data[0] % 30;
    static const std::string folder = [] {
        std::filesystem::create_directory(fuzz::scratch() + "dict");
        return fuzz::scratch() + "dict/";
    }();
    const char letter = '\xCA'; // К
    for (const auto& entry : std::filesystem::directory_iterator(folder)) std::filesystem::remove(entry.path());
    fuzz::putFile("dict/\xD0\x9A." + std::to_string(length), fuzz::bytes(data + 1, size - 1));

    smek::slovoset::Dictionary cached(folder);
    smek::slovoset::DictionaryScan scan(folder);
    std::vector<std::string> asked;
    for (const std::string& word : smek::slovoset::readDictionaryFile(folder, letter, length)) {
        if (word.empty() || !std::all_of(word.begin(), word.end(), smek::isRussianCapital)) continue;
        for (size_t n = 1; n <= word.size() && asked.size() < 200; ++n) asked.push_back(word.substr(0, n));
    }
    asked.push_back(std::string(static_cast<size_t>(length), letter));
    for (const std::string& word : asked) {
        const bool inScan = scan.contains(word);
        fuzz::check(cached.contains(word) == inScan, "the cached dictionary and the file scan differ");
        if (word.size() < 64) {
            const bool among = cached.wordsAmong(word, std::uint64_t{1} << word.size()) != 0;
            fuzz::check(among == inScan, "wordsAmong and the file scan differ");
        }
        if (inScan) fuzz::check(word.size() <= cached.longestWord(word[0]), "a word longer than the longest word");
    }
    return 0;
}
