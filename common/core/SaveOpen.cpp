// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveOpen.h"

#include "FileMessages.h"
#include "Paths.h"

namespace smek {

std::string withExtension(std::string path, std::string_view extension) {
    if (PoiskTochki(path) == 0) path += extension;
    return path;
}

SaveOutcome saveFile(const std::string& path, std::string_view content, bool askFirst, const AskReplace& askReplace) {
    return saveTogether({{path, content, askFirst}}, askReplace).back();
}

std::vector<SaveOutcome> saveTogether(const std::vector<FileToSave>& files, const AskReplace& askReplace) {
    std::vector<SaveOutcome> outcomes(files.size());
    // File i declined or failed: every file not yet renamed stays as it was.
    const auto stop = [&](size_t i, SaveOutcome::Kind kind, std::error_code error = {}) {
        for (size_t k = i + 1; k < files.size(); ++k) outcomes[k].kind = SaveOutcome::Kind::Withheld;
        outcomes[i].kind = kind;
        if (error) outcomes[i].message = fileMessage(files[i].path, saveFailureTail(error));
        return outcomes;
    };
    const auto withheldBefore = [&](size_t i) {
        for (size_t k = 0; k < i; ++k) outcomes[k].kind = SaveOutcome::Kind::Withheld;
    };
    for (size_t i = 0; i < files.size(); ++i) {
        if (files[i].askFirst && existingFile(files[i].path) &&
            !askReplace(fileMessage(files[i].path, FileTail::AlreadyExists))) {
            withheldBefore(i);
            return stop(i, SaveOutcome::Kind::Declined);
        }
    }
    std::vector<PreparedWrite> writes(files.size());
    for (size_t i = 0; i < files.size(); ++i) {
        if (const std::error_code error = writes[i].prepare(files[i].path, files[i].content)) {
            withheldBefore(i);
            return stop(i, SaveOutcome::Kind::Failed, error);
        }
    }
    // The renames follow one another at once, the folders synced only after
    // them: a kill between two renames is the one moment at which the earlier
    // files are new and the later still old.
    size_t renamed = 0;
    std::error_code error;
    while (renamed < files.size() && !(error = writes[renamed].commit())) ++renamed;
    for (size_t i = 0; i < renamed; ++i) syncFolder(writes[i].folder());
    return error ? stop(renamed, SaveOutcome::Kind::Failed, error) : outcomes;
}

ReadOutcome readGameFile(const std::string& path, const std::function<bool(std::string_view)>& startsRight) {
    ReadOutcome out;
    ReadResult file = readTextFile(path, startsRight);
    if (file.error) {
        out.message = fileMessage(path, openFailureTail(file));
        return out;
    }
    out.content = std::move(file.content);
    out.ok = true;
    return out;
}

} // namespace smek
