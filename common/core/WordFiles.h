// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The word database of the word-search and compose-a-word games: files in the
// data folder whose extension is the word length, each a count N followed by
// N upper-case words of exactly that length.
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace smek {

// Regular files named "*.N" for this length, sorted by name so that a seeded
// game picks the same file on every machine.
std::vector<std::filesystem::path> listWordFiles(const std::filesystem::path& folder, int length);

struct WordFile {
    enum class Status { Ok, CannotOpen, NotSuitable };
    Status status = Status::Ok;
    std::error_code error;          // why it could not be opened
    std::vector<std::string> words; // CP1251 capitals, each exactly `length` letters
};

// A file too large to read, one whose count is missing or not positive, that holds fewer words than
// its count, or a word that is not `length` Russian capitals is NotSuitable:
// no game can be built from it without showing a board that lies.
WordFile readWordFile(const std::filesystem::path& path, int length);

// The designed message about a missing word database (UTF-8).
inline constexpr const char* kNoWordDatabase = "База данных слов не найдена";

// kNoWordDatabase and, on a second line, which length has no file, so the
// player knows what to put into the data folder (UTF-8).
std::string noWordDatabaseMessage(int length);

} // namespace smek
