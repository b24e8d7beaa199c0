// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintBoard.h"

#include "common/core/Alphabet.h"
#include "common/core/Paths.h"
#include "common/ui/Geometry.h"
#include "common/ui/Text.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace smek::slovolov {
namespace {

const QString kDocument = QStringLiteral("Словолов");
// The least height of a printed capital, 5 mm, with room for rounding and the
// face's own measure.
constexpr qreal kLetterMm = 5.3;

// The board's own face, as on the screen and on bukvoklad's worksheet.
QFont pageFont(qreal pixels, bool bold) {
    QFont font = smek::serifFont(12, bold);
    font.setPixelSize(std::max(1, static_cast<int>(pixels)));
    return font;
}

QString listRow(const PrintSheet& sheet, int i) {
    return QString::number(i + 1) + QStringLiteral(") ") + smek::fromCp1251(sheet.words[static_cast<size_t>(i)]);
}

} // namespace

void drawPuzzlePage(QPainter& p, const QRect& area, const PrintSheet& sheet, bool answers) {
    const qreal mm = area.width() / 180.0; // the printable width of A4 is 180 mm
    const int n = sheet.GridMax + 1;
    const int words = static_cast<int>(sheet.words.size());
    // As many list columns as the longest row leaves room for, at most three.
    const QFont listFont = pageFont(4.8 * mm, true);
    qreal widest = 0;
    for (int i = 0; i < words; ++i) widest = std::max(widest, QFontMetricsF(listFont, p.device()).horizontalAdvance(listRow(sheet, i)));
    const int columns = std::clamp(static_cast<int>(area.width() / (widest + 6 * mm)), 1, 3);
    const int rows = (words + columns - 1) / columns;
    const qreal rowHeight = 8 * mm;

    // The title, the author's for an own puzzle, and the rule of the game.
    qreal y = 0;
    p.setPen(Qt::black);
    const QFont titleFont = pageFont(9 * mm, true);
    p.setFont(titleFont);
    const QString name = sheet.title.empty() ? kDocument : smek::fromUtf8(sheet.title);
    const QString title = answers ? name + QStringLiteral(": ответы") : name;
    p.drawText(QRectF(0, y, area.width(), 12 * mm), Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetricsF(titleFont, p.device()).elidedText(title, Qt::ElideRight, area.width()));
    y += 13 * mm;
    p.setFont(pageFont(4.2 * mm, false));
    const QString rule = smek::fromUtf8(ruleText(sheet));
    const QRectF ruleBox(0, y, area.width(), 12 * mm);
    p.drawText(ruleBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, rule);
    y += 14 * mm;

    // The board: as large as the page leaves room for above the list.
    const qreal side = std::min<qreal>(area.width(), area.height() - y - rows * rowHeight - 8 * mm);
    const qreal cell = side / n;
    const QPointF origin((area.width() - cell * n) / 2, y);
    const auto centre = [&](Cell c) { return origin + QPointF((c.x + 0.5) * cell, (c.y + 0.5) * cell); };
    if (answers) {
        QPen stroke(QColor(90, 150, 255, 110), cell * 0.72, Qt::SolidLine, Qt::RoundCap);
        p.setPen(stroke);
        for (const PrintSheet::Line& line : sheet.answers) p.drawLine(centre(line.first), centre(line.last));
    }
    p.setPen(QPen(Qt::black, std::max<qreal>(1, 0.25 * mm)));
    for (int k = 1; k < n; ++k) {
        p.drawLine(origin + QPointF(k * cell, 0), origin + QPointF(k * cell, n * cell));
        p.drawLine(origin + QPointF(0, k * cell), origin + QPointF(n * cell, k * cell));
    }
    p.setPen(QPen(Qt::black, std::max<qreal>(1, 0.6 * mm)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(origin, QSizeF(n * cell, n * cell)));
    // Capitals at least 5 mm tall, for a child's hand, on every grid; larger
    // where the cells leave room.
    QFont letterFont = pageFont(cell * 0.6, false);
    const qreal capRatio = QFontMetricsF(letterFont, p.device()).capHeight() / letterFont.pixelSize();
    letterFont.setPixelSize(static_cast<int>(std::ceil(std::max(kLetterMm * mm, 0.5 * cell) / capRatio)));
    // A wide letter (Ш, Ж, Ю) is narrowed rather than made smaller, so it
    // keeps clear of the cell's sides at the capitals' height.
    p.setFont(letterFont);
    const QFontMetricsF letterMetrics(letterFont, p.device());
    const qreal room = 0.8 * cell;
    for (int cx = 0; cx < n; ++cx)
        for (int cy = 0; cy < n; ++cy)
            if (const int v = sheet.letter(cx, cy); v > 0) {
                const QString letter = smek::fromCp1251(std::string(1, smek::letterAt(v)));
                const qreal narrow = std::min<qreal>(1, room / letterMetrics.horizontalAdvance(letter));
                p.save();
                p.translate(origin + QPointF((cx + 0.5) * cell, (cy + 0.5) * cell));
                p.scale(narrow, 1);
                p.drawText(QRectF(-cell / (2 * narrow), -cell / 2, cell / narrow, cell), Qt::AlignCenter, letter);
                p.restore();
            }
    y += side + 8 * mm;

    // The word list, in columns, in the order of the game's list.
    p.setFont(listFont);
    const qreal columnWidth = area.width() / columns;
    for (int i = 0; i < words; ++i) {
        const QRectF box(columnWidth * (i / rows), y + rowHeight * (i % rows), columnWidth, rowHeight);
        p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, listRow(sheet, i));
    }
}

namespace {

bool askAnswers(smek::Prompts& prompts) {
    return prompts.question(QStringLiteral("Добавить страницу с ответами?"), smek::Prompts::Icon::None, false);
}

smek::DrawPages pages(const PrintSheet& sheet, bool answers) {
    return [sheet, answers](QPainter& painter, QPagedPaintDevice& device) {
        drawPuzzlePages(painter, device, sheet, answers);
    };
}

} // namespace

void drawPuzzlePages(QPainter& painter, QPagedPaintDevice& device, const PrintSheet& sheet, bool answers) {
    const QRect area = smek::pageArea(device);
    drawPuzzlePage(painter, area, sheet, false);
    if (!answers) return;
    device.newPage();
    drawPuzzlePage(painter, area, sheet, true);
}

void printPuzzle(smek::Prompts& prompts, const PrintSheet& sheet) {
    const bool answers = askAnswers(prompts);
    smek::printPages(prompts, kDocument, pages(sheet, answers));
}

void savePuzzlePdf(smek::Prompts& prompts, const smek::Places& places, const PrintSheet& sheet) {
    const bool answers = askAnswers(prompts);
    const std::string own = smek::fileNameOfTitle(sheet.title);
    const QString name = own.empty() ? kDocument : smek::fromUtf8(own);
    smek::savePdf(prompts, places, name + QStringLiteral(".pdf"), name, pages(sheet, answers));
}

} // namespace smek::slovolov
