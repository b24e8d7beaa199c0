// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogFolders.h"

#include "LockedUpdate.h"
#include "TextFile.h"
#include "UserFiles.h"

#include <sstream>

namespace smek {
namespace fs = std::filesystem;

FolderMap parseFolders(const std::string& content) {
    FolderMap folders;
    std::istringstream in(content);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t tab = line.find('\t');
        // A folder still ending in a CR is none that was written here (see foldersText).
        if (tab == std::string::npos || tab == 0 || tab + 1 == line.size() || line.back() == '\r') continue;
        folders[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return folders;
}

std::string foldersText(const FolderMap& folders) {
    std::string text;
    for (const auto& [kind, folder] : folders) {
        // What could not be read back as this entry: a line break, a tab in
        // the kind, a CR that would be taken for a line end's.
        if (kind.empty() || folder.empty() || kind.find_first_of("\t\n") != std::string::npos ||
            folder.find('\n') != std::string::npos || folder.back() == '\r')
            continue;
        text += kind + '\t' + folder + '\n';
    }
    return text;
}

fs::path startFolder(const fs::path& foldersFile, const std::string& kind, const fs::path& documents,
                     const fs::path& home) {
    const ReadResult file = readTextFile(foldersFile);
    if (!file.error) {
        const FolderMap folders = parseFolders(file.content);
        const auto it = folders.find(kind);
        if (it != folders.end() && writableFolder(it->second)) return it->second;
    }
    if (writableFolder(documents)) return documents;
    if (writableFolder(home)) return home;
    return {};
}

void rememberFolder(const fs::path& foldersFile, const std::string& kind, const fs::path& chosenFile) {
    const fs::path folder = chosenFile.parent_path();
    if (folder.empty() || !folder.is_absolute()) return;
    (void)updateFile(foldersFile, [&](const ReadResult& file) -> std::optional<std::string> {
        FolderMap folders = file.error ? FolderMap{} : parseFolders(file.content);
        if (folders[kind] == folder.string()) return std::nullopt;
        folders[kind] = folder.string();
        return foldersText(folders);
    });
}

} // namespace smek
