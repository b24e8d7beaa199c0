// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A second answer: the game takes only its hidden word (Е and Ё alike), so a
// word whose letters also spell another known word leaves a player who finds
// that other word without a win. The known words are every word the game can
// deal: the data folder's word files of all lengths, every theme's, and the
// other words of the author's own list.
#include <map>
#include <string>
#include <vector>

namespace smek::bukvoklad {

class KnownWords {
public:
    // The word files of the data folder and of its themes; files that cannot
    // be read add nothing.
    static KnownWords ofDataFolder(const std::string& pathData);

    void add(const std::string& word); // CP1251 capitals
    // The other known words of the same letters, sorted; a word differing
    // only by Е for Ё is the same answer and not among them.
    std::vector<std::string> otherAnswers(const std::string& word) const;

private:
    std::map<std::string, std::vector<std::string>> byLetters_;
};

struct SecondAnswer {
    std::string word;                 // CP1251
    std::vector<std::string> answers; // CP1251
};

// The list's words that have a second answer among the known words and the
// list's other words, in the list's order, each once.
std::vector<SecondAnswer> secondAnswers(const KnownWords& known, const std::vector<std::string>& list);

// "КАБАН: у этого слова есть второй ответ: БАНКА" (UTF-8).
std::string secondAnswerNote(const SecondAnswer& flag);

} // namespace smek::bukvoklad
