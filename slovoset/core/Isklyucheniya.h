// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The author's excluded words: dictionary words (МОРГ, ИГО) that a created
// puzzle never offers. The list is the author's own, kept in a small file of
// its own (one word a line, CP1251); game files and the play mode know
// nothing of it.
#include "AnalizTexta.h"
#include "Dictionary.h"
#include "Puzzle.h"

#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <system_error>

namespace smek::slovoset {

// The words of a text (CP1251): items separated by line breaks, commas,
// semicolons or blanks, each made capital with Е for Ё, so that they compare
// with the analysis's words; items holding anything but Russian letters are
// dropped.
std::set<std::string> parseIsklyucheniya(std::string_view text);
// One word a line, CR LF after each, in alphabetical order.
std::string isklyucheniyaText(const std::set<std::string>& words);

// A missing or unreadable file is an empty list.
std::set<std::string> readIsklyucheniya(const std::filesystem::path& file);
// The author's change from the list `before` (as shown) to `after`, applied
// to the file as it is now under its lock, so that words another window
// excluded meanwhile stay. Creates the file's folder when needed; the old
// file survives a failed write.
std::error_code updateIsklyucheniya(const std::filesystem::path& file, const std::set<std::string>& before,
                                    const std::set<std::string>& after);

// The dictionary without the excluded words.
class ExcludingLookup : public WordLookup {
public:
    ExcludingLookup(WordLookup& inner, const std::set<std::string>& excluded) : inner_(inner), excluded_(excluded) {}
    bool contains(std::string_view word) override;
    std::uint64_t wordsAmong(std::string_view text, std::uint64_t wanted) override;
    // Leaving words out never makes one longer: the inner bound holds.
    size_t longestWord(char firstLetter) override { return inner_.longestWord(firstLetter); }

private:
    bool excluded(std::string_view word) const;
    WordLookup& inner_;
    const std::set<std::string>& excluded_;
};

// Takes the word of list line `line` out of a created puzzle, as if the
// analysis had skipped it: its entry leaves Slova and the list; every other
// word keeps its place in the list order and its choice.
void isklyuchitSlovo(Puzzle& p, int line);

// A created puzzle after the author changed the list in its dialog: analysed
// again without the words now excluded and with those taken off the list;
// every word that was there keeps its choice, a word back in gets the choice
// its length gives.
AnalizOutcome primenitIsklyucheniya(Puzzle& p, const std::set<std::string>& words);

} // namespace smek::slovoset
