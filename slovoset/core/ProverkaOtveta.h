// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The answer check of play mode.
#include "Puzzle.h"

#include <string>

namespace smek::slovoset {

// Key filter of the answer box: codes below 9 (Backspace...) pass; any
// other CP1251 code passes only when it is a Russian letter in either case.
bool answerKeyPasses(int cp1251Code);

extern const char* const kNeZagadano;   // "Это слово не загадано компьютером"
extern const char* const kUzheOtkryto;  // "Это слово уже открыто."

struct Otvet {
    enum class Kind {
        Opened,      // a listed word: counted; the window calls its ShowLineSlovo(line),
                     // empties the box (focus stays) and runs ShowSlovo
        AlreadyOpen, // a listed word that is open already: nothing counted;
                     // the window shows kUzheOtkryto and keeps the text
        Wrong,       // not a listed word: the window shows kNeZagadano, keeps the text
    };
    Kind kind = Kind::Wrong;
    int line = -1; // the list line of the word (Opened, AlreadyOpen)
};

// answer: the box's text in CP1251, any case; ё counts as е.
Otvet ProverkaOtveta(Puzzle& p, const std::string& answer);

} // namespace smek::slovoset
