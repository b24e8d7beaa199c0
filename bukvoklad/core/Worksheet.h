#pragma once
// A printable worksheet of anagrams: the words, their shuffled letters, and
// where everything goes on a page (in millimetres), for any paper size.
#include "NewGame.h"
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
};

// `count` different words (clamped to 10..30; fewer when the database holds
// fewer) from the word files in `folder`: all of `length` letters, or, for a
// length of 0, each of a random length 5..19 among those the folder has.
Worksheet makeWorksheet(const std::filesystem::path& folder, int count, int length, Random& random);

// The message for a worksheet that could not be made (UTF-8), empty for Ok.
std::string worksheetMessage(const Worksheet& sheet);

// Places on a page, in millimetres from its top-left corner. Each row holds
// the number, the shuffled letters in cells and as many empty cells for the
// answer; all rows fit on one page.
struct WorksheetLayout {
    double margin = 0;      // left, right and bottom margin
    double titleTop = 0;    // top of the title line
    double titleHeight = 0;
    double firstRow = 0;    // top of the first row
    double rowPitch = 0;    // from one row's top to the next
    double cell = 0;        // side of a letter cell
    double numberWidth = 0; // room for "30."
    double lettersLeft = 0; // left edge of the first letter cell
    double answerLeft = 0;  // left edge of the first answer cell, the same in every row
};
WorksheetLayout layoutWorksheet(int rows, int longest, double pageWidth, double pageHeight);

} // namespace smek::bukvoklad
