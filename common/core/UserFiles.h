// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a program's files live. The program folder holds what was shipped
// (word lists, help, default settings) and stays read-only once installed;
// what a player's actions write goes to per-user places, except in a portable
// program folder, which keeps the designed place.
#include <filesystem>
#include <optional>
#include <string>

namespace smek {

// Put into Data/ by every install (cmake --install and the package).
inline constexpr const char* kInstalledMarker = "installed";

struct Places {
    std::string data;                // PathData: the shipped files, ending in its separator
    std::string own;                 // settings and remembered folders, ending in "/"
    std::filesystem::path pages;     // private folder for pages handed to the browser
    std::filesystem::path documents; // the file dialogs' first proposal
    std::filesystem::path home;      // their fallback
    std::filesystem::path temp;      // where a private folder is made when `pages` cannot be had
    std::filesystem::path userData;  // what an author collects (excluded words), portable or not
};

// The one rule: a program folder is portable when the player can write its
// data folder and no install has marked it.
bool isPortable(const std::string& pathData);

// Where the per-user folders are, as the platform reports them (configFolder
// is the user's configuration folder, e.g. ~/.config).
struct UserFolders {
    std::filesystem::path config;
    std::filesystem::path data;    // the user's data folder, e.g. ~/.local/share
    std::filesystem::path runtime; // empty when the session has none
    std::filesystem::path temp;
    std::filesystem::path documents;
    std::filesystem::path home;
};
Places placesFor(const std::string& pathData, const UserFolders& user);

// The file to read a settings file from: the player's own copy, else the
// shipped default in the data folder.
std::filesystem::path settingsToRead(const Places& places, const std::string& fileName);
// The file to write it to (its folder is created when missing).
std::filesystem::path settingsToWrite(const Places& places, const std::string& fileName);

// A folder only this user can enter: `preferred` when it is (or can be made)
// a directory owned by the user with no access for others; otherwise a fresh
// one made in `temp`. Empty when neither can be had.
std::optional<std::filesystem::path> privateFolder(const std::filesystem::path& preferred,
                                                   const std::filesystem::path& temp);

// A folder the user can write to (and enter).
bool writableFolder(const std::filesystem::path& folder);

} // namespace smek
