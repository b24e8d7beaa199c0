// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The author's own words: a list the games deal from, in the author's order
// or shuffled, one word a game, until every word has been played.
#include "common/core/OwnList.h"
#include "common/core/Random.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace smek::bukvoklad {

struct OwnWords {
    OwnList list;
    bool shuffled = false;          // dealt in a random order rather than the author's
    std::vector<size_t> deal;       // indexes into words, in the order they come
    size_t dealt = 0;               // words of `deal` already played
};

// Starts (or starts again) the deal: the author's order, or a fresh shuffle.
void startDeal(OwnWords& own, Random& random);

// The next word, or none once the list is used up.
std::optional<std::string> nextOwnWord(OwnWords& own);
bool usedUp(const OwnWords& own);

// The question when the list is used up (UTF-8): Yes plays it again, No goes
// back to the game's own words.
std::string usedUpQuestion(const OwnWords& own);

// The words a board cannot hold (more letters than its cells), named one a
// line for the dialog's refusal (UTF-8); empty when every word fits.
std::string boardRefusal(const OwnList& list);

// The line above the board while own words are played (UTF-8):
// "Свои слова «Осень»: 3 из 12".
std::string ownWordsNote(const OwnWords& own);

// The last list the player chose to play, kept per user so that the dialog
// opens with it: the list in the author's file form ("bukvoklad-words.txt")
// and, in a file of its own, the order ("bukvoklad-words-order": "shuffled"
// or "in order"). A missing or unreadable list reads as none.
struct KeptList {
    OwnList list;
    bool shuffled = false;
};
std::optional<KeptList> readKeptList(const std::filesystem::path& ownFolder);
std::error_code keepList(const std::filesystem::path& ownFolder, const KeptList& kept);

} // namespace smek::bukvoklad
