// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveHtml.h"

#include "ShowHtml.h"

#include <algorithm>

#include "common/core/Cp1251.h"
#include "common/core/HtmlEscape.h"
#include "common/core/NumberText.h"
#include "common/core/SaveOpen.h"

namespace smek::slovoset {
namespace {

const std::string kT1 = smek::w1251("<title>Словосеть: ");
const std::string kT2 = "</title></head><body topmargin=0 leftmargin=0 rightmargin=0 scroll=no>";
const std::string kT3 =
    "<table width='100%'><td><center><font face='Times New Roman' color='#000000' size='5'>";
const std::string kT4 = "</font></center><font face='Times New Roman' color='#000000' size='4'>";
const std::string kT5 =
    smek::w1251("<br><br>Подсказки. Число букв в нужных словах в порядке их появления в тексте:");
const std::string kT6 = "</font></center></td></table>";

} // namespace

std::string answersPath(const std::string& path) {
    const size_t cut = path.find_last_of(".\\/");
    const std::string stem = cut != std::string::npos && path[cut] == '.' ? path.substr(0, cut) : path;
    return stem + "_ответы.html";
}

std::vector<const SkrytoeSlovo*> hintWords(const Puzzle& p) {
    std::vector<const SkrytoeSlovo*> words;
    for (int i = 0; i <= p.MaxSlova; ++i) {
        const SkrytoeSlovo& w = p.Slova[static_cast<size_t>(i)];
        if (w.Vybrano != 1) continue;
        words.push_back(&w);
        if (static_cast<int>(words.size()) > p.MaxSpisok) break;
    }
    // The analysis finds a run's two-run words before its three-run ones,
    // which may start earlier: the caption promises the order of the text.
    std::stable_sort(words.begin(), words.end(),
                     [](const SkrytoeSlovo* x, const SkrytoeSlovo* y) { return x->Nachalo < y->Nachalo; });
    return words;
}

std::string hintsText(const Puzzle& p) {
    std::string hints;
    for (const SkrytoeSlovo* w : hintWords(p)) {
        if (!hints.empty()) hints += ", ";
        hints += smek::signedNumberText(static_cast<long long>(w->Slovo.size()));
    }
    return hints;
}

HtmlPages exportPages(const Puzzle& p, const std::string& nazvanie, const std::string& text2) {
    const std::string title = smek::htmlEscape(nazvanie);
    const std::string head = kH0 + kT1 + title + kT2 + kT3 + title;
    HtmlPages pages;
    pages.puzzle = head + kT4 + htmlText(p.Tekst, p.Napisano) + kT5 + hintsText(p) + kB2;
    pages.answers = head + kT6 + text2;
    return pages;
}

std::vector<SaveOutcome> SaveHtml(Puzzle& p, std::string path, const std::string& text2,
                                  const AskReplace& askReplace) {
    return SaveHtml(p, std::move(path), exportPages(p, p.Nazvanie, text2), askReplace);
}

std::vector<SaveOutcome> SaveHtml(Puzzle& p, std::string path, const HtmlPages& pages,
                                  const AskReplace& askReplace) {
    path = smek::withExtension(std::move(path), ".html");
    const std::string puzzle = pages.puzzle + "\r\n", answers = pages.answers + "\r\n";
    // The answers page belongs to the puzzle page: it is replaced without a
    // question, and only together with it, so the two always match.
    const std::vector<smek::FileToSave> files{{path, puzzle, path != p.ImyaFile}, {answersPath(path), answers, false}};
    const std::vector<SaveOutcome> outcomes = smek::saveTogether(files, askReplace);
    for (size_t i = 0; i < outcomes.size(); ++i)
        if (outcomes[i].kind == SaveOutcome::Kind::Saved) p.ImyaFile = files[i].path;
    return outcomes;
}

} // namespace smek::slovoset
