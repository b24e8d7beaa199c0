// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Word themes of the word-search and compose-a-word games: a theme is a
// folder under the data folder's "Темы/" holding word files in the games' own
// format, so the designed choice of a file and a word works on it unchanged.
// The theme "" stands for all words: the designed databases of the data folder.
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace smek {

// The folder of all themes inside a data folder (UTF-8 name on disk).
inline constexpr const char* kThemesFolder = "Темы";

// The themes of a data folder: the names of the folders under "Темы/", sorted.
std::vector<std::string> listThemes(const std::string& pathData);

// The lengths for which a theme has at least one word file, ascending.
std::vector<int> themeLengths(const std::string& pathData, const std::string& theme);

// The word files that serve a length: the theme's own, or, when the theme has
// none of that length (or no theme is chosen), those of the data folder.
struct ThemedWordFiles {
    std::vector<std::filesystem::path> files;
    bool fellBack = false; // a theme was chosen but lacks the length
};
ThemedWordFiles themedWordFiles(const std::string& pathData, const std::string& theme, int length);

// Whether a word file is one of the theme's own rather than of all words: a
// theme's file that cannot be used sends the game back to all words.
bool isThemeFile(const std::string& pathData, const std::string& theme, const std::filesystem::path& file);

// The player's choice, kept in a small file of its own (the theme's name, one
// line, UTF-8). A missing or unreadable file, or a theme that the data folder
// no longer has, reads as all words.
std::string readThemeChoice(const std::filesystem::path& file, const std::string& pathData);
// Creates the file's folder when needed; writes atomically, under the file's
// lock (the last choice wins, never a torn one).
std::error_code writeThemeChoice(const std::filesystem::path& file, const std::string& theme);

// The lengths as the player reads them: runs of three or more joined by a
// dash ("3, 11–19").
std::string lengthsText(const std::vector<int>& lengths);

// The line that tells the player which words the game took (UTF-8): empty for
// all words, the theme's name otherwise, and the lengths that came from all
// words because the theme has none of them.
std::string themeNote(const std::string& theme, const std::vector<int>& fellBackLengths);

} // namespace smek
