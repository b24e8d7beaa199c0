// SPDX-License-Identifier: GPL-3.0-or-later
#include "Themes.h"

#include "LockedUpdate.h"
#include "TextFile.h"
#include "WordFiles.h"

#include <algorithm>

namespace smek {
namespace {

std::filesystem::path themesRoot(const std::string& pathData) {
    return std::filesystem::path(pathData) / kThemesFolder;
}

} // namespace

std::vector<std::string> listThemes(const std::string& pathData) {
    std::vector<std::string> themes;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(themesRoot(pathData), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) themes.push_back(it->path().filename().string());
    }
    std::sort(themes.begin(), themes.end());
    return themes;
}

std::vector<int> themeLengths(const std::string& pathData, const std::string& theme) {
    std::vector<int> lengths;
    if (theme.empty()) return lengths;
    const std::filesystem::path folder = themesRoot(pathData) / theme;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        const std::string extension = it->path().extension().string();
        if (extension.size() < 2 || extension.size() > 3) continue;
        if (!std::all_of(extension.begin() + 1, extension.end(), [](char c) { return c >= '0' && c <= '9'; })) continue;
        if (extension[1] == '0') continue; // the design's extensions have no leading zeros
        lengths.push_back(std::stoi(extension.substr(1)));
    }
    std::sort(lengths.begin(), lengths.end());
    lengths.erase(std::unique(lengths.begin(), lengths.end()), lengths.end());
    return lengths;
}

ThemedWordFiles themedWordFiles(const std::string& pathData, const std::string& theme, int length) {
    ThemedWordFiles result;
    if (!theme.empty()) {
        result.files = listWordFiles(themesRoot(pathData) / theme, length);
        if (!result.files.empty()) return result;
        result.fellBack = true;
    }
    result.files = listWordFiles(pathData, length);
    return result;
}

bool isThemeFile(const std::string& pathData, const std::string& theme, const std::filesystem::path& file) {
    return !theme.empty() && file.parent_path() == themesRoot(pathData) / theme;
}

std::string readThemeChoice(const std::filesystem::path& file, const std::string& pathData) {
    const ReadResult read = readTextFile(file);
    if (read.error) return {};
    std::string name = read.content.substr(0, read.content.find_first_of("\r\n"));
    const std::vector<std::string> themes = listThemes(pathData);
    // Only a theme the data folder has: the name never leads outside "Темы/".
    return std::find(themes.begin(), themes.end(), name) != themes.end() ? name : std::string();
}

std::error_code writeThemeChoice(const std::filesystem::path& file, const std::string& theme) {
    return updateFile(file, [&theme](const ReadResult&) { return std::optional<std::string>(theme + "\n"); });
}

std::string lengthsText(const std::vector<int>& lengths) {
    std::string text;
    for (size_t i = 0; i < lengths.size();) {
        size_t j = i;
        while (j + 1 < lengths.size() && lengths[j + 1] == lengths[j] + 1) ++j;
        if (!text.empty()) text += ", ";
        if (j - i >= 2) {
            text += std::to_string(lengths[i]) + "–" + std::to_string(lengths[j]);
        } else {
            text += std::to_string(lengths[i]);
            if (j > i) text += ", " + std::to_string(lengths[j]);
        }
        i = j + 1;
    }
    return text;
}

std::string themeNote(const std::string& theme, const std::vector<int>& fellBackLengths) {
    if (theme.empty()) return {};
    std::string note = "Тема: " + theme;
    if (!fellBackLengths.empty())
        note += ". Слов из " + lengthsText(fellBackLengths) + " букв в теме нет, они взяты из всех слов";
    return note;
}

} // namespace smek
