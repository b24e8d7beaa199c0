// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text analysis: the letter runs of Tekst and the dictionary words hidden
// across two or three neighbouring runs.
#include "Puzzle.h"

#include <optional>
#include <string>

namespace smek::slovoset {

// A copy with Ё → Е and ё → е (CP1251); length unchanged.
std::string ZamenaE(std::string s);

enum class AnalizMessage {
    None,
    NotRussian, // "Этот текст не на русском."
    NoNewWords, // "Новых слов не найдено."
};
// The message text (UTF-8); empty for None. Error icon, program caption.
std::string analizMessageText(AnalizMessage m);

struct AnalizOutcome {
    AnalizMessage message = AnalizMessage::None;
    // What the view shows next (CP1251 HTML for ShowHtml); empty optional:
    // the view keeps the progress text "Идёт анализ...".
    std::optional<std::string> html;
    bool mFileSave = false; // enabled state of the save command afterwards
};

// Rebuilds SlovaTeksta, Slova and the list (Spisok) from Tekst; sets Gotovo,
// Otkryto, Ugadano. Tiho != 0: a quiet run (no list lines, nothing to show on
// success), used when a game file is restored. The window shows kIdetAnaliz
// and disables the mode buttons before the call, shows the outcome, repaints
// the list from Spisok and enables the mode buttons after it.
AnalizOutcome AnalizTexta(Puzzle& p, int Tiho);

} // namespace smek::slovoset
