// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintPages.h"

#include "ShowHtml.h"
#include "StartGame.h"
#include "TekstKakNapisan.h"

#include "common/core/Cp1251.h"
#include "common/core/HtmlEscape.h"

namespace smek::slovoset {
namespace {

// Liberation Serif stands in for Times New Roman where that is missing.
const std::string kStyle = R"(<style>
@page { size: A4; margin: 20mm 18mm 20mm 22mm; }
body { font-family: 'Times New Roman', 'Liberation Serif', 'DejaVu Serif', serif; font-size: 13pt;
  line-height: 1.45; color: #000; background: #fff; margin: 0; }
@media screen { body { max-width: 170mm; margin: 10mm auto; padding: 0 6mm; } }
h1 { font-size: 18pt; text-align: center; margin: 0 0 4mm; }
.instr { font-style: italic; margin: 0 0 4mm; }
.text { text-align: justify; margin: 0 0 4mm; }
.hints { margin: 0 0 3mm; break-after: avoid; page-break-after: avoid; }
.answers { display: flex; flex-wrap: wrap; margin: 0; }
.answers div { width: 50%; line-height: 11mm; break-inside: avoid; page-break-inside: avoid; }
.blank { display: inline-block; width: 42mm; border-bottom: 1px solid #000; height: 7mm; vertical-align: baseline; }
.count { font-size: 11pt; }
font { font-family: inherit !important; font-size: inherit !important; }
u { text-underline-offset: 0.15em; text-decoration-thickness: 0.1em; font-weight: bold; }
</style>)";

const std::string kInstruction = smek::w1251(
    "Найдите в тексте спрятанные слова. Каждое начинается внутри одного слова текста и заканчивается в "
    "следующем слове или через одно; пробелы и знаки препинания не считаются. Впишите найденные слова в "
    "строки под текстом.");
const std::string kHintsCaption =
    smek::w1251("Подсказки. Число букв в нужных словах в порядке их появления в тексте:");

std::string head(const std::string& title) {
    return "<!DOCTYPE html>\r\n<html lang=\"ru\"><head><meta charset=\"windows-1251\">\r\n" +
           smek::w1251("<title>Словосеть: ") + title + "</title>\r\n" + kStyle + "\r\n</head><body>\r\n<h1>" + title +
           "</h1>\r\n";
}

std::string plainHints(const Puzzle& p) {
    std::string hints;
    for (const SkrytoeSlovo* w : hintWords(p)) {
        if (!hints.empty()) hints += ", ";
        hints += std::to_string(w->Slovo.size());
    }
    return hints;
}

} // namespace

std::string bukvText(int n) {
    const int tens = n % 100 / 10;
    const int last = n % 10;
    const char* word = tens == 1 || last == 0 || last >= 5 ? "букв" : last == 1 ? "буква" : "буквы";
    return std::to_string(n) + " " + smek::w1251(word);
}

HtmlPages printPages(const Puzzle& p, const std::string& nazvanie) {
    const std::string title = smek::htmlEscape(nazvanie);
    const std::vector<const SkrytoeSlovo*> words = hintWords(p);
    HtmlPages pages;

    std::string& puzzle = pages.puzzle;
    puzzle = head(title);
    puzzle += "<p class=\"instr\">" + kInstruction + "</p>\r\n";
    puzzle += "<div class=\"text\">" + htmlText(p.Tekst, p.Napisano) + "</div>\r\n";
    puzzle += "<p class=\"hints\">" + kHintsCaption + " " + plainHints(p) + "</p>\r\n";
    // Numbered row by row, so that a page break never reorders them.
    puzzle += "<div class=\"answers\">\r\n";
    int number = 0;
    for (const SkrytoeSlovo* w : words)
        puzzle += "<div>" + std::to_string(++number) + ". <span class=\"blank\"></span> <span class=\"count\">(" +
                  bukvText(static_cast<int>(w->Slovo.size())) + ")</span></div>\r\n";
    puzzle += "</div>\r\n</body></html>";

    std::string& answers = pages.answers;
    answers = head(title);
    answers += "<p class=\"instr\">" + smek::w1251("Ответы. Спрятанные слова подчёркнуты в тексте.") + "</p>\r\n";
    answers += "<div class=\"text\"><font>" + markedText(p) + "</font></div>\r\n";
    answers += "<div class=\"answers\">\r\n";
    number = 0;
    for (const SkrytoeSlovo* w : words)
        answers += "<div>" + std::to_string(++number) + ". " + lowerRu(slovoKakNapisano(p, *w)) + " <span class=\"count\">(" +
                   bukvText(static_cast<int>(w->Slovo.size())) + ")</span></div>\r\n";
    answers += "</div>\r\n</body></html>";
    return pages;
}

} // namespace smek::slovoset
