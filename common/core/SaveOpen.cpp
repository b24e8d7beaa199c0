#include "SaveOpen.h"

#include "FileMessages.h"
#include "Paths.h"

namespace smek {

std::string withExtension(std::string path, std::string_view extension) {
    if (PoiskTochki(path) == 0) path += extension;
    return path;
}

SaveOutcome saveFile(const std::string& path, std::string_view content, bool askFirst, const AskReplace& askReplace) {
    SaveOutcome out;
    if (askFirst && existingFile(path) && !askReplace(fileMessage(path, FileTail::AlreadyExists))) {
        out.kind = SaveOutcome::Kind::Declined;
        return out;
    }
    if (const std::error_code error = writeTextFileAtomic(path, content)) {
        out.kind = SaveOutcome::Kind::Failed;
        out.message = fileMessage(path, saveFailureTail(error));
    }
    return out;
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
