// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordFiles.h"

#include "Alphabet.h"
#include "FreeFormat.h"
#include "TextFile.h"

#include <algorithm>

namespace smek {

std::vector<std::filesystem::path> listWordFiles(const std::filesystem::path& folder, int length) {
    std::vector<std::filesystem::path> files;
    const std::string extension = "." + std::to_string(length);
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        const std::string name = it->path().filename().string();
        if (name.size() > extension.size() && name.compare(name.size() - extension.size(), extension.size(), extension) == 0)
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

WordFile readWordFile(const std::filesystem::path& path, int length) {
    WordFile result;
    ReadResult file = readTextFile(path);
    if (file.refused == ReadResult::Refused::TooLarge) {
        result.status = WordFile::Status::NotSuitable; // no word file of the games is anywhere near
        return result;
    }
    if (file.error) {
        result.status = WordFile::Status::CannotOpen;
        result.error = file.error;
        return result;
    }
    FreeFormatReader reader(std::move(file.content));
    const auto count = reader.readNumber();
    if (!count || *count <= 0) {
        result.status = WordFile::Status::NotSuitable;
        return result;
    }
    for (int i = 0; i < *count; ++i) {
        auto word = reader.readText();
        const bool fits = word && static_cast<int>(word->size()) == length &&
                          std::all_of(word->begin(), word->end(), isRussianCapital);
        if (!fits) {
            result.status = WordFile::Status::NotSuitable;
            result.words.clear();
            return result;
        }
        result.words.push_back(std::move(*word));
    }
    return result;
}

std::string noWordDatabaseMessage(int length) {
    const std::string n = std::to_string(length);
    return std::string(kNoWordDatabase) + "\nНет файла со словами из " + n + " букв (*." + n + ").";
}

} // namespace smek
