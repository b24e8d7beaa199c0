// SPDX-License-Identifier: GPL-3.0-or-later
#include "SecondAnswer.h"

#include "common/core/Alphabet.h"
#include "common/core/Cp1251.h"
#include "common/core/OwnList.h"
#include "common/core/Themes.h"
#include "common/core/WordFiles.h"

#include <algorithm>
#include <set>

namespace smek::bukvoklad {
namespace {

constexpr char kYe = '\xC5'; // Е

// The word as the answer check sees it: Ё read as Е.
std::string spelling(std::string word) {
    std::replace(word.begin(), word.end(), kYoUpper, kYe);
    return word;
}

std::string letters(const std::string& word) {
    std::string key = spelling(word);
    std::sort(key.begin(), key.end());
    return key;
}

void addFolder(KnownWords& known, const std::filesystem::path& folder) {
    for (int n = 2; n <= kOwnWordMaxLetters; ++n)
        for (const auto& file : listWordFiles(folder, n)) {
            const WordFile words = readWordFile(file, n);
            if (words.status == WordFile::Status::Ok)
                for (const std::string& word : words.words) known.add(word);
        }
}

} // namespace

KnownWords KnownWords::ofDataFolder(const std::string& pathData) {
    KnownWords known;
    addFolder(known, pathData);
    for (const std::string& theme : listThemes(pathData))
        addFolder(known, std::filesystem::path(pathData) / kThemesFolder / theme);
    return known;
}

void KnownWords::add(const std::string& word) {
    std::vector<std::string>& same = byLetters_[letters(word)];
    const auto at = std::lower_bound(same.begin(), same.end(), word);
    if (at == same.end() || *at != word) same.insert(at, word);
}

std::vector<std::string> KnownWords::otherAnswers(const std::string& word) const {
    std::vector<std::string> others;
    const auto found = byLetters_.find(letters(word));
    if (found == byLetters_.end()) return others;
    // ЕЖ and ЁЖ are one answer; of two spellings of another word, one is named.
    std::set<std::string> named{spelling(word)};
    for (const std::string& other : found->second)
        if (named.insert(spelling(other)).second) others.push_back(other);
    return others;
}

std::vector<SecondAnswer> secondAnswers(const KnownWords& known, const std::vector<std::string>& list) {
    // The list apart, so the dialog does not copy the data folder's words at every key.
    KnownWords listed;
    for (const std::string& word : list) listed.add(word);
    std::vector<SecondAnswer> flags;
    std::set<std::string> seen;
    for (const std::string& word : list) {
        if (!seen.insert(word).second) continue;
        std::set<std::string> named;
        std::vector<std::string> answers;
        for (const auto& source : {known.otherAnswers(word), listed.otherAnswers(word)})
            for (const std::string& answer : source)
                if (named.insert(spelling(answer)).second) answers.push_back(answer);
        std::sort(answers.begin(), answers.end());
        if (!answers.empty()) flags.push_back({word, std::move(answers)});
    }
    return flags;
}

std::string secondAnswerNote(const SecondAnswer& flag) {
    std::string answers;
    for (const std::string& answer : flag.answers) answers += (answers.empty() ? "" : ", ") + cp1251ToUtf8(answer);
    return cp1251ToUtf8(flag.word) + ": у этого слова есть второй ответ: " + answers;
}

} // namespace smek::bukvoklad
