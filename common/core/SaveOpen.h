// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving and opening a player's file the same way in every program: the
// extension a bare name gets, the question before another file is replaced,
// the write that never destroys the old file, and the file message of a
// failure, ready for the window to show.
#include "TextFile.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace smek {

// A name without an extension gets `extension` (".slv"); any other keeps its own.
std::string withExtension(std::string path, std::string_view extension);

struct SaveOutcome {
    // Withheld: left as it was because a file saved together with it was
    // declined or could not be written.
    enum class Kind { Saved, Declined, Failed, Withheld };
    Kind kind = Kind::Saved;
    std::string message; // Failed: the file message (UTF-8) for an error box
};

// The overwrite question's text (UTF-8) in, the player's answer out (true = Yes).
using AskReplace = std::function<bool(const std::string& question)>;

// Writes `content` over `path`. When `askFirst`, an existing file (a folder
// is none) is replaced only after Yes; without it the caller knows the file
// is its own.
SaveOutcome saveFile(const std::string& path, std::string_view content, bool askFirst, const AskReplace& askReplace);

// Files that belong together (a puzzle page and its answers page), saved so
// that they stay a pair: the questions come first (a No leaves every file as
// it is); then each is written in full beside its target, and only when all
// are ready are they renamed into place, in order. Until the first rename
// nothing has changed. One outcome per file, in their order.
struct FileToSave {
    std::string path;
    std::string_view content;
    bool askFirst = true;
};
std::vector<SaveOutcome> saveTogether(const std::vector<FileToSave>& files, const AskReplace& askReplace);

// What a program's "Открыть" came to.
struct OpenOutcome {
    bool ok = false;
    std::string path;    // the path used
    std::string message; // not ok: the file message (UTF-8); nothing has changed
};

struct ReadOutcome {
    bool ok = false;
    std::string content;
    std::string message; // not ok: the file message (UTF-8)
};

// Reads a game file whose first line `startsRight` accepts, or gives the
// message for a file that is missing, unreadable, too large or foreign.
ReadOutcome readGameFile(const std::string& path, const std::function<bool(std::string_view)>& startsRight);

} // namespace smek
