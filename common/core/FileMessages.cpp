// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileMessages.h"

#include <cerrno>

namespace smek {

std::string fileMessage(const std::string& pathUtf8, FileTail tail) {
    const char* text = "";
    switch (tail) {
    case FileTail::NotFound: text = "не найден."; break;
    case FileTail::CannotOpen: text = "открыть не возможно."; break;
    case FileTail::NotSuitable: text = "не подходит к программе."; break;
    case FileTail::AlreadyExists: text = "уже существует.\r\nЗаменить его?"; break;
    case FileTail::WriteProtected: text = "защищён от записи."; break;
    case FileTail::CannotSave: text = "сохранить не возможно."; break;
    }
    return "Файл \"" + pathUtf8 + "\" " + text;
}

FileTail tailForError(std::error_code error, FileTail general) {
    if (error.category() == std::generic_category() || error.category() == std::system_category()) {
        switch (error.value()) {
        case ENOENT:
        case ENOTDIR: return FileTail::NotFound;
        case EACCES:
        case EPERM:
        case EROFS: return FileTail::WriteProtected;
        default: break;
        }
    }
    return general;
}

FileTail saveFailureTail(std::error_code error) {
    return tailForError(error, FileTail::CannotSave) == FileTail::WriteProtected ? FileTail::WriteProtected
                                                                                 : FileTail::CannotSave;
}

} // namespace smek

namespace smek {

FileTail openFailureTail(const ReadResult& file) {
    switch (file.refused) {
    case ReadResult::Refused::TooLarge:
    case ReadResult::Refused::WrongStart: return FileTail::NotSuitable;
    case ReadResult::Refused::NotRegular: return FileTail::CannotOpen;
    case ReadResult::Refused::No: break;
    }
    return tailForError(file.error, FileTail::CannotOpen) == FileTail::NotFound ? FileTail::NotFound
                                                                                : FileTail::CannotOpen;
}

} // namespace smek
