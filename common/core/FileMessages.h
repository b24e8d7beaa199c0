// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Messages about a file: "Файл", a blank, the quoted path, a blank, a tail.
// Messages and captions are UTF-8 (they carry file names, which are the
// platform's); only game text is CP1251.
#include "TextFile.h"

#include <string>
#include <system_error>

namespace smek {

enum class FileTail {
    NotFound,       // "не найден."
    CannotOpen,     // "открыть не возможно."
    NotSuitable,    // "не подходит к программе."
    AlreadyExists,  // "уже существует." CR LF "Заменить его?"
    WriteProtected, // "защищён от записи."
    CannotSave,     // "сохранить не возможно."
};

std::string fileMessage(const std::string& pathUtf8, FileTail tail);

// Missing file -> NotFound, permission or read-only medium -> WriteProtected,
// anything else -> the general tail of the operation (CannotOpen or CannotSave).
FileTail tailForError(std::error_code error, FileTail general);

// Saving: a file or medium that refuses writing -> WriteProtected; anything
// else, a missing folder too (there is no "not found" for saving) -> CannotSave.
FileTail saveFailureTail(std::error_code error);

// Opening a game: a missing file -> NotFound; too large or of the wrong kind
// by its first line -> NotSuitable; anything else, a folder or a device
// too -> CannotOpen.
FileTail openFailureTail(const ReadResult& file);

} // namespace smek
