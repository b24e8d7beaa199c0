// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game file (.sst) and the program's writer of text files.
#include "Puzzle.h"
#include "StartGame.h"

#include "common/core/SaveOpen.h"

#include <optional>
#include <string>
#include <string_view>

namespace smek::slovoset {

// Proposed name of the file dialogs: the last component of ImyaFile, cut
// before its first "."; empty when there is no current file.
std::string proposedName(const std::string& imyaFile);

// The file content without its final CR LF (SaveFileText adds it):
// "[slovoset]", LenSlov, Tekst, then Vybrano and Otgadano of every word;
// when the text as written differs from Tekst (Ё, stress marks, signs the
// code page lacks), then "[tekst]" and that text on one line, CP1251 with
// numeric character references. A reader that takes only the flags it needs
// never comes to those two lines.
std::string gameFileText(const Puzzle& p);

using smek::AskReplace;
using smek::SaveOutcome;

// Asks `askReplace` (the overwrite question text, UTF-8; true = Yes) before
// replacing another existing file unless mode is 1; writes text + CR LF
// beside and then over the old file; on success ImyaFile = path (the window
// then renews its caption).
SaveOutcome SaveFileText(Puzzle& p, int mode, const std::string& path, std::string_view text,
                         const AskReplace& askReplace);

// "Сохранить" in play mode, after the dialog: appends ".sst" when the name
// has no extension.
SaveOutcome SaveGame(Puzzle& p, std::string path, const AskReplace& askReplace);

// The puzzle a game file's content describes (current gives the data folder,
// the dictionary and the title), or nothing when the file cannot be trusted:
// a wrong header, a length index outside the choice, a text that yields no
// words, or a flag line other than 0 or 1. The flags go to the words the
// analysis finds now, in order: a file saved with another dictionary leaves
// the words beyond its flags as the analysis gave them, and flags beyond the
// words found are ignored.
std::optional<Puzzle> readGame(const Puzzle& current, const std::string& content);

// ok, path (".sst" appended when it had no extension), message, and:
struct OpenOutcome : smek::OpenOutcome {
    SelectSlovoResult select; // ok: what SelectSlovo left to show
};

// "Открыть", after the dialog. On success the puzzle is the file's, in play
// mode, ImyaFile = path; the window selects entry LenSlov of the length choice
// (with Gotovo already 1 it must not rebuild again), repaints the list from
// Spisok, shows select.show.html, enables and empties the answer box and
// renews its caption; select.showBanner: the restored game is already over.
OpenOutcome OpenGame(Puzzle& p, std::string path);

} // namespace smek::slovoset
