// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folder each kind of file was last opened from or saved to, remembered
// per user in a file of its own ("Folders.txt": one "kind<TAB>folder" line
// each, UTF-8), so every dialog starts where the player left off.
#include <filesystem>
#include <map>
#include <string>

namespace smek {

inline constexpr const char* kFoldersFile = "Folders.txt";

using FolderMap = std::map<std::string, std::string>;

FolderMap parseFolders(const std::string& content);
std::string foldersText(const FolderMap& folders);

// The first of: the folder remembered for kind, documents, home, that the
// user can write. Empty when none can be.
std::filesystem::path startFolder(const std::filesystem::path& foldersFile, const std::string& kind,
                                  const std::filesystem::path& documents, const std::filesystem::path& home);

// Remembers the folder of a chosen file for kind, under the file's lock; the
// other kinds' entries, possibly written meanwhile by another window, are
// kept. Fails silently: a dialog that starts elsewhere next time is no loss.
void rememberFolder(const std::filesystem::path& foldersFile, const std::string& kind,
                    const std::filesystem::path& chosenFile);

} // namespace smek
