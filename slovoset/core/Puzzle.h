// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of the current hidden-word puzzle: one object per run, owned by
// the main window (or by main in the command-line tool). Game text is CP1251
// (one character = one byte, positions are 1-based byte positions in Tekst);
// paths and messages are UTF-8.
//
// Which core function the window calls for which event:
//   kTypGame_Click(i)       needsCreateQuestion(p, i) → ask "Создать словосеть?";
//                           StartGame(p, i, Text1) → false: empty box, stop;
//                           else caption/answer box, ShowHtml(kIdetAnaliz),
//                           AnalizTexta(p, 0) → show outcome, list from Spisok.
//   selLenSlov_Click        p.LenSlov = index; if p.Gotovo == 1: SelectSlovo(p).
//   icon click in the list  flip Slova[Spisok[line]].Vybrano, ShowSlovo(p);
//                           in play mode then the list's ShowLineSlovo.
//   ShowLineSlovo (list)    noteOpened(p) → true: show the end banner.
//   txtAddSlovo_KeyPress    answerKeyPasses(cp1251 code).
//   kOtvet_Click / Enter    ProverkaOtveta(p, box text) → open line / message.
//   mFileSave_Click         TypGame 1: SaveHtml; TypGame 0: SaveGame
//                           (proposedName, gameFileText, SaveFileText).
//   mFileOpen_Click         OpenGame(p, path).
//   any ShowHtml(html)      htmlViewDocument(html) into the view,
//                           htmlViewBody(html) into Text2.
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace smek::slovoset {

class WordLookup;

// One maximal run of Russian letters of the text.
struct SlovoTeksta {
    int Nachalo = 0;   // position of the run's first letter in Tekst
    int Dlina = 0;     // letters in the run
    std::string Slovo; // the run in capitals
};

// One hidden word found by the analysis.
struct SkrytoeSlovo {
    int Nachalo = 0;      // position of the word's first letter in Tekst
    int Otgadano = 0;     // 1: the player guessed it
    std::string Slovo;    // the word in capitals
    int DlinaVTexte = 0;  // characters of Tekst up to its last letter, separators included
    std::string Fragment; // that stretch of Tekst as written
    int Vybrano = 0;      // 1: chosen (create) or opened (play)
};

// Where the author's text as written differs from Tekst: a position of
// Tekst (1-based) → what stands there as written (UTF-8), with the marks
// that sit on it (TekstKakNapisan.h).
using KakNapisano = std::map<int, std::string>;

struct Puzzle {
    std::string Tekst;    // line breaks already "<br>", Ё already Е
    // The text as written, for the eye (the view, the pages, the answers'
    // Ё) and kept in the game file; empty when it is Tekst itself.
    KakNapisano Napisano;
    int TypGame = -1;     // -1 before the first puzzle, 0 play, 1 create
    int LenSlov = 0;      // index 0..21 of the length choice: words of LenSlov + 3 letters and more
    std::string PathData; // data folder with the dictionary, ending in the separator

    // Both arrays always hold at least entry 0, even when their last index is -1.
    std::vector<SlovoTeksta> SlovaTeksta{1};
    int MaxSlovaTeksta = -1;
    std::vector<SkrytoeSlovo> Slova{1};
    int MaxSlova = -1;

    int Gotovo = 0;   // 1 once an analysis has found words
    int Otkryto = -1; // opened listed words, counted from -1
    int Ugadano = -1; // guessed listed words, counted from -1

    // The word list: Slova index of each list line; at least entry 0.
    std::vector<int> Spisok{0};
    int MaxSpisok = -1;

    std::string ImyaFile; // current game file (UTF-8 path); empty when none
    std::string Nazvanie; // the export title (CP1251), proposed again at the next export
    // The author's excluded words (CP1251 capitals, Е for Ё): a create-mode
    // analysis started from a text skips them; nothing else does.
    std::set<std::string> Isklyucheniya;

    // The dictionary behind the analysis. Left empty, the analysis uses the
    // files in PathData, each read at most once per run.
    std::shared_ptr<WordLookup> slovar;
};

// The list's side of the word list: empty it, append one line.
void SpisokStart(Puzzle& p);
void SpisokAdd(Puzzle& p, int slovoIndex);

// The word standing in list line `line`.
SkrytoeSlovo& slovoOfLine(Puzzle& p, int line);
const SkrytoeSlovo& slovoOfLine(const Puzzle& p, int line);

// A listed word has just been opened (guessed or revealed): count it. True
// when now every listed word is open, so the end banner is due.
bool noteOpened(Puzzle& p);

} // namespace smek::slovoset
