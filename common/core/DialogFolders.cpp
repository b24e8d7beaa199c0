#include "DialogFolders.h"

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
        if (tab == std::string::npos || tab == 0 || tab + 1 == line.size()) continue;
        folders[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return folders;
}

std::string foldersText(const FolderMap& folders) {
    std::string text;
    for (const auto& [kind, folder] : folders) {
        // A name with a line break could not be read back as one entry.
        if (kind.find_first_of("\t\r\n") != std::string::npos || folder.find_first_of("\r\n") != std::string::npos)
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
    const ReadResult file = readTextFile(foldersFile);
    FolderMap folders = file.error ? FolderMap{} : parseFolders(file.content);
    if (folders[kind] == folder.string()) return;
    folders[kind] = folder.string();
    std::error_code ec;
    fs::create_directories(foldersFile.parent_path(), ec);
    (void)writeTextFileAtomic(foldersFile, foldersText(folders));
}

} // namespace smek
