// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed puzzle: one page with the title (an own puzzle's own), the board (large letters in a
// ruled grid) and the word list; with answers, a second page the same with a
// stroke along every hidden word.
#include "common/ui/PrintOut.h"
#include "slovolov/core/PrintSheet.h"

namespace smek::slovolov {

void drawPuzzlePages(QPainter& painter, QPagedPaintDevice& device, const PrintSheet& sheet, bool answers);
// One page on any device, in the printable area given (from (0, 0)).
void drawPuzzlePage(QPainter& painter, const QRect& area, const PrintSheet& sheet, bool answers);

// The menu's "Печать…" and "Сохранить в PDF…": the answers-page question,
// then the printer or the file.
void printPuzzle(smek::Prompts& prompts, const PrintSheet& sheet);
void savePuzzlePdf(smek::Prompts& prompts, const smek::Places& places, const PrintSheet& sheet);

} // namespace smek::slovolov
