// SPDX-License-Identifier: GPL-3.0-or-later
#include "Isklyucheniya.h"

#include "AnalizTexta.h"
#include "StartGame.h"

#include "common/core/Alphabet.h"
#include "common/core/LockedUpdate.h"
#include "common/core/TextFile.h"

#include <algorithm>
#include <map>

namespace smek::slovoset {

std::set<std::string> parseIsklyucheniya(std::string_view text) {
    std::set<std::string> words;
    std::string item;
    auto take = [&] {
        const std::string word = ZamenaE(smek::toUpperRu(item));
        if (!word.empty() && std::all_of(word.begin(), word.end(), smek::isRussianCapital)) words.insert(word);
        item.clear();
    };
    for (const char c : text) {
        if (c == '\r' || c == '\n' || c == ',' || c == ';' || c == ' ' || c == '\t') take();
        else item += c;
    }
    take();
    return words;
}

std::string isklyucheniyaText(const std::set<std::string>& words) {
    std::string text;
    for (const std::string& word : words) text += word + "\r\n";
    return text;
}

std::set<std::string> readIsklyucheniya(const std::filesystem::path& file) {
    const smek::ReadResult read = smek::readTextFile(file);
    return read.error ? std::set<std::string>{} : parseIsklyucheniya(read.content);
}

std::error_code updateIsklyucheniya(const std::filesystem::path& file, const std::set<std::string>& before,
                                    const std::set<std::string>& after) {
    return smek::updateFile(file, [&](const smek::ReadResult& read) -> std::optional<std::string> {
        std::set<std::string> words = read.error ? std::set<std::string>{} : parseIsklyucheniya(read.content);
        for (const std::string& word : before)
            if (!after.count(word)) words.erase(word);
        words.insert(after.begin(), after.end());
        return isklyucheniyaText(words);
    });
}

bool ExcludingLookup::excluded(std::string_view word) const {
    return excluded_.find(std::string(word)) != excluded_.end();
}

bool ExcludingLookup::contains(std::string_view word) {
    return !excluded(word) && inner_.contains(word);
}

std::uint64_t ExcludingLookup::wordsAmong(std::string_view text, std::uint64_t wanted) {
    std::uint64_t found = inner_.wordsAmong(text, wanted);
    // Found words are few: each is looked up in the list.
    for (size_t L = 1; L < 64 && found >> L; ++L)
        if ((found >> L & 1) && excluded(text.substr(0, L))) found &= ~(std::uint64_t{1} << L);
    return found;
}

void isklyuchitSlovo(Puzzle& p, int line) {
    if (line < 0 || line > p.MaxSpisok) return;
    const int gone = p.Spisok[static_cast<size_t>(line)];
    p.Slova.erase(p.Slova.begin() + gone);
    --p.MaxSlova;
    if (p.Slova.empty()) p.Slova.resize(1); // the array keeps entry 0
    std::vector<int> spisok;
    for (int a = 0; a <= p.MaxSpisok; ++a) {
        const int i = p.Spisok[static_cast<size_t>(a)];
        if (i != gone) spisok.push_back(i > gone ? i - 1 : i);
    }
    SpisokStart(p);
    for (const int i : spisok) SpisokAdd(p, i);
    if (p.MaxSlova < 0) p.Gotovo = 0;
}

AnalizOutcome primenitIsklyucheniya(Puzzle& p, const std::set<std::string>& words) {
    std::map<std::string, int> choices;
    for (int i = 0; i <= p.MaxSlova; ++i) choices.emplace(p.Slova[static_cast<size_t>(i)].Slovo, p.Slova[static_cast<size_t>(i)].Vybrano);
    p.Isklyucheniya = words;
    AnalizOutcome outcome = AnalizTexta(p, 0);
    for (int i = 0; i <= p.MaxSlova; ++i) {
        SkrytoeSlovo& w = p.Slova[static_cast<size_t>(i)];
        if (const auto kept = choices.find(w.Slovo); kept != choices.end()) w.Vybrano = kept->second;
    }
    // The display the analysis made shows the choice by length.
    if (outcome.html && p.MaxSlova >= 0) outcome.html = ShowSlovo(p).html;
    return outcome;
}

} // namespace smek::slovoset
