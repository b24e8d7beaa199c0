// SPDX-License-Identifier: GPL-3.0-or-later
#include "Worksheet.h"

#include "common/core/WordFiles.h"

#include <algorithm>
#include <map>
#include <set>

namespace smek::bukvoklad {
namespace {

// Each word file is read once per worksheet, however many words it gives.
class WordSource {
public:
    WordSource(std::filesystem::path folder, Random& random) : folder_(std::move(folder)), random_(random) {}

    bool hasLength(int n) { return !files(n).empty(); }

    // A random word of n letters; empty when the files fail (status set).
    std::string word(int n, Worksheet& sheet) {
        const auto& list = files(n);
        const auto& path = list[static_cast<size_t>(random_.between(0, static_cast<int>(list.size()) - 1))];
        auto cached = read_.find(path);
        if (cached == read_.end()) cached = read_.emplace(path, readWordFile(path, n)).first;
        const WordFile& words = cached->second;
        if (words.status != WordFile::Status::Ok) {
            sheet.status = words.status == WordFile::Status::CannotOpen ? NewGameResult::Status::CannotOpen
                                                                        : NewGameResult::Status::NotSuitable;
            sheet.file = path;
            return {};
        }
        return words.words[static_cast<size_t>(random_.between(0, static_cast<int>(words.words.size()) - 1))];
    }

private:
    const std::vector<std::filesystem::path>& files(int n) {
        auto listed = listed_.find(n);
        if (listed == listed_.end()) listed = listed_.emplace(n, listWordFiles(folder_, n)).first;
        return listed->second;
    }

    std::filesystem::path folder_;
    Random& random_;
    std::map<int, std::vector<std::filesystem::path>> listed_;
    std::map<std::filesystem::path, WordFile> read_;
};

std::string shuffled(const std::string& word, Random& random) {
    // A word of one repeated letter has no other order; any other gets a few
    // tries, each far more likely than not to differ.
    std::string letters = word;
    for (int attempt = 0; attempt < 20 && letters == word; ++attempt) {
        const std::vector<int> order = shuffleOrder(static_cast<int>(word.size()), random);
        for (size_t j = 0; j < order.size(); ++j) letters[j] = word[static_cast<size_t>(order[j])];
    }
    return letters;
}

} // namespace

Worksheet makeWorksheet(const std::filesystem::path& folder, int count, int length, Random& random) {
    Worksheet sheet;
    count = std::clamp(count, kWorksheetMinWords, kWorksheetMaxWords);
    WordSource source(folder, random);
    std::vector<int> lengths;
    if (length > 0) {
        if (source.hasLength(length)) lengths.push_back(length);
    } else {
        for (int n = 5; n <= kMaxLetters; ++n)
            if (source.hasLength(n)) lengths.push_back(n);
    }
    if (lengths.empty()) {
        sheet.status = NewGameResult::Status::NoDatabase;
        sheet.length = length;
        return sheet;
    }
    // Repeats are drawn again; a small database simply gives a shorter sheet.
    std::set<std::string> taken;
    for (int attempt = 0; attempt < 50 * count && static_cast<int>(sheet.items.size()) < count; ++attempt) {
        const int n = lengths[static_cast<size_t>(random.between(0, static_cast<int>(lengths.size()) - 1))];
        std::string word = source.word(n, sheet);
        if (sheet.status != NewGameResult::Status::Ok) {
            sheet.items.clear();
            return sheet;
        }
        if (!taken.insert(word).second) continue;
        sheet.items.push_back({word, shuffled(word, random)});
    }
    return sheet;
}

Worksheet worksheetFromList(const OwnList& list, int count, Random& random) {
    Worksheet sheet;
    sheet.title = list.title;
    const size_t rows = std::min(list.words.size(), static_cast<size_t>(count > 0 ? std::min(count, kWorksheetMaxWords)
                                                                                   : kWorksheetMaxWords));
    for (size_t i = 0; i < rows; ++i) sheet.items.push_back({list.words[i], shuffled(list.words[i], random)});
    return sheet;
}

std::string worksheetMessage(const Worksheet& sheet) {
    NewGameResult result;
    result.status = sheet.status;
    result.file = sheet.file;
    result.length = sheet.length;
    // A sheet of random lengths lacks no one length: the first line says it.
    if (result.status == NewGameResult::Status::NoDatabase && sheet.length == 0) return kNoWordDatabase;
    return newGameMessage(result);
}

WorksheetLayout layoutWorksheet(int rows, int longest, double pageWidth, double pageHeight) {
    WorksheetLayout l;
    rows = std::max(rows, 1);
    longest = std::max(longest, 1);
    l.margin = std::min(15.0, pageWidth / 14);
    l.titleTop = l.margin;
    l.titleHeight = 12;
    l.firstRow = l.titleTop + l.titleHeight + 6;
    l.numberWidth = 12;
    l.lettersLeft = l.margin + l.numberWidth;
    const double across = pageWidth - 2 * l.margin - l.numberWidth;
    const double down = pageHeight - l.margin - l.firstRow;
    // Beside: the letters, one empty cell, the answer cells. Under: the
    // answer cells a fifth of a cell below the letters.
    const bool beside = across / (2 * longest + 1) >= kMinCell;
    const double perRow = beside ? 1 : 2.2; // row height in cells
    constexpr double gap = 0.6;             // least room between rows, in cells
    l.cell = std::min(kMaxCell, across / (beside ? 2 * longest + 1 : longest));
    // Smaller cells, down to the least a child writes in, when that puts
    // every row on one page.
    const double onePage = down / (rows * perRow + (rows - 1) * gap);
    if (onePage < l.cell) l.cell = std::max(onePage, std::min(l.cell, kMinCell));
    l.rowHeight = perRow * l.cell;
    l.answerTop = beside ? 0 : 1.2 * l.cell;
    l.answerLeft = beside ? l.lettersLeft + (longest + 1) * l.cell : l.lettersLeft;
    l.letterHeight = std::min(kLetterHeight, 0.62 * l.cell);
    const int fit = std::max(1, static_cast<int>((down + gap * l.cell) / (l.rowHeight + gap * l.cell) + 1e-9));
    l.pages = (rows + fit - 1) / fit;
    l.rowsPerPage = (rows + l.pages - 1) / l.pages;
    // The rows spread down the whole page rather than bunching at its top.
    l.rowPitch = down / l.rowsPerPage;
    return l;
}

} // namespace smek::bukvoklad
