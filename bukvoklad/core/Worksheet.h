// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A printable worksheet of anagrams: the words, their shuffled letters, and
// where everything goes on a page (in millimetres), for any paper size.
#include "NewGame.h"
#include "common/core/OwnList.h"
#include "common/core/Random.h"

#include <filesystem>
#include <string>
#include <vector>

namespace smek::bukvoklad {

constexpr int kWorksheetMinWords = 10;
constexpr int kWorksheetMaxWords = 30;

struct WorksheetItem {
    std::string word;    // CP1251 capitals
    std::string letters; // the same letters shuffled, not spelling the word where that can be helped
};

struct Worksheet {
    NewGameResult::Status status = NewGameResult::Status::Ok;
    std::filesystem::path file; // the word file that failed
    int length = 0;             // the length asked for when none was found (0: any)
    std::vector<WorksheetItem> items;
    std::string title; // UTF-8, on top of the pages; empty: the game's own heading
};

// `count` different words (clamped to 10..30; fewer when the database holds
// fewer) from the word files in `folder`: all of `length` letters, or, for a
// length of 0, each of a random length 5..19 among those the folder has.
Worksheet makeWorksheet(const std::filesystem::path& folder, int count, int length, Random& random);

// A sheet of the author's list: its words in its order, one row each, at
// most `count` (all when 0 or less) and never more than a sheet's 30; the
// list's title on top.
Worksheet worksheetFromList(const OwnList& list, int count, Random& random);

// The message for a worksheet that could not be made (UTF-8), empty for Ok.
std::string worksheetMessage(const Worksheet& sheet);

// Places on a page, in millimetres from its top-left corner. Each row holds
// the number, the shuffled letters in cells and as many empty answer cells,
// beside the letters when the longest word leaves room for that, else under
// them. Cells are at least kMinCell where the paper allows, so a child can
// write in them; the rows spread over the page, and go on to further pages
// when they do not fit on one.
constexpr double kMinCell = 8;
constexpr double kMaxCell = 12;
constexpr double kLetterHeight = 5; // capitals of the printed letters

struct WorksheetLayout {
    double margin = 0;      // left, right and bottom margin
    double titleTop = 0;    // top of the title line
    double titleHeight = 0;
    double firstRow = 0;    // top of a page's first row
    double rowPitch = 0;    // from one row's top to the next
    double rowHeight = 0;   // from a row's top to the bottom of its answer cells
    double cell = 0;        // side of a letter or answer cell
    double letterHeight = 0; // capital height of the letters in the cells
    double numberWidth = 0; // room for "30."
    double lettersLeft = 0; // left edge of the first letter cell
    double answerLeft = 0;  // left edge of the first answer cell, the same in every row
    double answerTop = 0;   // from a row's top to its answer cells: 0 beside the letters
    int rowsPerPage = 1;
    int pages = 1;          // pages of puzzles; the answers take as many
};
WorksheetLayout layoutWorksheet(int rows, int longest, double pageWidth, double pageHeight);

} // namespace smek::bukvoklad
