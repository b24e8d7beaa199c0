// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An author's own word list: a plain UTF-8 text file that can be edited
// anywhere, the title on the first line and one word a line after it. The
// words of a list, typed or read, become the games' CP1251 capitals; a word
// that cannot be played is refused with its line, never dropped quietly.
#include <string>
#include <string_view>
#include <vector>

namespace smek {

inline constexpr int kOwnWordMinLetters = 2;
inline constexpr int kOwnWordMaxLetters = 20;

struct OwnList {
    std::string title;              // UTF-8, as written (one line, trimmed)
    std::vector<std::string> words; // CP1251 capitals, in the author's order
};

// A word of the list that cannot be played.
struct OwnWordProblem {
    enum class Reason { NotRussian, TooShort, TooLong, Repeated };
    int line = 0;     // 1-based line of the file or of the typed text
    std::string word; // UTF-8, as written
    Reason reason = Reason::NotRussian;
};

struct OwnListParse {
    OwnList list;                        // the words that can be played
    std::vector<OwnWordProblem> problems; // empty: the whole list is good
    bool notText = false;                 // the bytes are no text at all (a picture, a program)
    // Something to play, and nothing refused.
    bool ok() const { return !notText && problems.empty() && !list.words.empty(); }
};

// Words separated by line ends, commas, semicolons or blanks; blank lines
// are skipped, lower case is upper-cased and Ё kept; a stress mark or soft
// hyphen inside a word is dropped. `firstLine` numbers the first line.
OwnListParse parseOwnWords(std::string_view utf8, int firstLine = 1);

// A whole file: the title on the first line, the words after it. UTF-8 with
// or without its mark; a file saved in another Russian encoding (Windows-1251,
// KOI8-R, UTF-16) is read too, since text editors still write them.
OwnListParse parseOwnListFile(std::string_view bytes);

// The file for a list: the title line, then one word a line, LF line ends.
std::string ownListFileText(const OwnList& list);

// One line (UTF-8) per problem, for a message box or standard error:
// «Строка 3: «ЛИСТ0ПАД» - в слове не только русские буквы».
std::string describeProblem(const OwnWordProblem& problem);
// Why a list that is not ok() cannot be played (UTF-8): every problem on a
// line of its own (at most `limit`, then how many more), or that it has no
// word. A file that is no text is the caller's message: it names the file.
std::string ownListRefusal(const OwnListParse& parse, size_t limit = 10);

} // namespace smek
