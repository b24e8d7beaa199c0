// SPDX-License-Identifier: GPL-3.0-or-later
#include "OwnWords.h"

#include "NewGame.h"
#include "common/core/Cp1251.h"
#include "common/core/TextFile.h"

#include <numeric>

namespace smek::bukvoklad {
namespace {

constexpr const char* kKeptListFile = "bukvoklad-words.txt";
constexpr const char* kKeptOrderFile = "bukvoklad-words-order";
constexpr const char* kShuffled = "shuffled";

std::string named(const OwnWords& own) {
    return own.list.title.empty() ? std::string("Свои слова") : "Свои слова «" + own.list.title + "»";
}

} // namespace

void startDeal(OwnWords& own, Random& random) {
    own.deal.resize(own.list.words.size());
    std::iota(own.deal.begin(), own.deal.end(), size_t{0});
    if (own.shuffled)
        for (size_t i = own.deal.size(); i > 1; --i)
            std::swap(own.deal[i - 1], own.deal[static_cast<size_t>(random.between(0, static_cast<int>(i) - 1))]);
    own.dealt = 0;
}

std::optional<std::string> nextOwnWord(OwnWords& own) {
    if (usedUp(own)) return std::nullopt;
    return own.list.words[own.deal[own.dealt++]];
}

bool usedUp(const OwnWords& own) {
    return own.dealt >= own.deal.size();
}

std::string usedUpQuestion(const OwnWords& own) {
    return named(own) + ": сыграны все слова (" + std::to_string(own.deal.size()) +
           ").\nСыграть их ещё раз? «Нет» — дальше слова игры.";
}

std::string boardRefusal(const OwnList& list) {
    std::string text;
    for (const std::string& word : list.words)
        if (static_cast<int>(word.size()) > kMaxLetters)
            text += "\n«" + cp1251ToUtf8(word) + "» - " + std::to_string(word.size()) + " букв";
    if (text.empty()) return text;
    return "На доске " + std::to_string(kMaxLetters) + " клеток, эти слова длиннее:" + text;
}

std::string ownWordsNote(const OwnWords& own) {
    return named(own) + ": " + std::to_string(own.dealt) + " из " + std::to_string(own.deal.size());
}

std::optional<KeptList> readKeptList(const std::filesystem::path& ownFolder) {
    const ReadResult file = readTextFile(ownFolder / kKeptListFile);
    if (file.error) return std::nullopt;
    OwnListParse parsed = parseOwnListFile(file.content);
    if (parsed.notText || parsed.list.words.empty()) return std::nullopt;
    KeptList kept{std::move(parsed.list), false};
    const ReadResult order = readTextFile(ownFolder / kKeptOrderFile);
    kept.shuffled = !order.error && order.content.rfind(kShuffled, 0) == 0;
    return kept;
}

std::error_code keepList(const std::filesystem::path& ownFolder, const KeptList& kept) {
    std::error_code ec;
    std::filesystem::create_directories(ownFolder, ec);
    if (ec) return ec;
    if ((ec = writeTextFileAtomic(ownFolder / kKeptListFile, ownListFileText(kept.list)))) return ec;
    return writeTextFileAtomic(ownFolder / kKeptOrderFile, std::string(kept.shuffled ? kShuffled : "in order") + "\n");
}

} // namespace smek::bukvoklad
