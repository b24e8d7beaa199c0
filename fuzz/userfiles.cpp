// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user files the programs rewrite: statistics and remembered dialog
// folders. What a reader takes from any bytes is written back and read again
// unchanged; a record read is counted on without overflow.
#include "Fuzz.h"
#include "common/core/DialogFolders.h"
#include "common/core/Statistics.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(fuzz::bytes(data, size));

    if (const std::optional<smek::Statistics> stats = smek::parseStatistics(text)) {
        const std::string written = smek::statisticsText(*stats);
        const std::optional<smek::Statistics> back = smek::parseStatistics(written);
        fuzz::check(back && *back == *stats, "statistics: the written record reads back otherwise");
        // Every change applied to the record as read: the sanitizers catch an overflow.
        const std::string file = fuzz::putFile("statistics", written);
        smek::StatisticsBook book(file);
        fuzz::check(book.totals() == *stats && book.setAsideAs().empty(), "statistics: a good file was not taken");
        book.gameStarted();
        book.hintUsed(static_cast<int>(size));
        book.gameEnded(size % 2 ? smek::Outcome::Won : smek::Outcome::LostOnTime, static_cast<int>(size % 4),
                       static_cast<long long>(size) << 40);
        fuzz::check(smek::parseStatistics(smek::statisticsText(book.totals())).has_value(),
                    "statistics: counting on gave a record that does not read back");
    }

    const smek::FolderMap folders = smek::parseFolders(text);
    fuzz::check(smek::parseFolders(smek::foldersText(folders)) == folders,
                "folders: the written entries read back otherwise");
    return 0;
}
