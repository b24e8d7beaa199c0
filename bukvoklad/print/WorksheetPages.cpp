// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorksheetPages.h"

#include "common/core/Cp1251.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
#include <algorithm>

namespace smek::bukvoklad {
namespace {

const QColor kInk(Qt::black);
const QColor kAnswerLine(0x80, 0x80, 0x80);

QString fromCp1251(const std::string& s) {
    return QString::fromStdString(cp1251ToUtf8(s));
}

// Millimetres to device pixels, and the boards' serif face sized by the
// height of its capitals.
struct Paper {
    double perMm;
    QRectF rect(double x, double y, double w, double h) const { return {x * perMm, y * perMm, w * perMm, h * perMm}; }
    QFont font(double capitalMm, bool bold) const {
        QFont f;
        f.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
        f.setBold(bold);
        f.setPixelSize(100);
        // Scaled from a large size, so the capitals come out as tall as asked.
        const double capital = QFontMetricsF(f).capHeight();
        f.setPixelSize(std::max(1, static_cast<int>(100 * capitalMm * perMm / (capital > 0 ? capital : 70))));
        return f;
    }
};

void paintCells(QPainter& painter, const Paper& paper, double left, double top, double cell, const std::string& letters,
                int count, const QColor& frame) {
    const QPen framePen(frame, 0.25 * paper.perMm);
    painter.setPen(framePen);
    for (int j = 0; j < count; ++j) {
        const QRectF box = paper.rect(left + j * cell, top, cell, cell);
        painter.drawRect(box);
        if (static_cast<size_t>(j) < letters.size()) {
            const QString letter = fromCp1251(std::string(1, letters[static_cast<size_t>(j)]));
            // A wide capital (Ж, Ш, Ю) is narrowed rather than made small,
            // so it keeps the others' height and clear of the cell's sides.
            const double room = 0.8 * box.width();
            const double width = QFontMetricsF(painter.font()).horizontalAdvance(letter);
            painter.save();
            painter.setPen(kInk);
            if (width > room) {
                painter.translate(box.center());
                painter.scale(room / width, 1);
                painter.translate(-box.center());
            }
            painter.drawText(box, Qt::AlignCenter, letter);
            painter.restore();
        }
    }
}

// One page of rows [first, last); on an answers page the answer cells hold the words.
void paintPage(QPainter& painter, const Paper& paper, const WorksheetLayout& l, double pageWidth,
               const Worksheet& sheet, size_t first, size_t last, const QString& title, bool answers) {
    painter.setPen(kInk);
    painter.setFont(paper.font(l.titleHeight * 0.45, true));
    painter.drawText(paper.rect(l.margin, l.titleTop, pageWidth - 2 * l.margin, l.titleHeight),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title);
    const QFont number = paper.font(l.letterHeight * 0.8, false);
    const QFont letters = paper.font(l.letterHeight, true);
    for (size_t i = first; i < last; ++i) {
        const WorksheetItem& item = sheet.items[i];
        const int n = static_cast<int>(item.word.size());
        const double top = l.firstRow + static_cast<double>(i - first) * l.rowPitch;
        painter.setPen(kInk);
        painter.setFont(number);
        painter.drawText(paper.rect(l.margin, top, l.numberWidth - 2, l.cell), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(i + 1) + QLatin1Char('.'));
        painter.setFont(letters);
        paintCells(painter, paper, l.lettersLeft, top, l.cell, item.letters, n, kInk);
        paintCells(painter, paper, l.answerLeft, top + l.answerTop, l.cell, answers ? item.word : std::string(), n,
                   kAnswerLine);
    }
}

} // namespace

bool paintWorksheet(QPagedPaintDevice& device, const Worksheet& sheet) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    const Paper paper{device.logicalDpiX() / 25.4};
    const QRectF page = device.pageLayout().fullRect(QPageLayout::Millimeter);
    int longest = 1;
    for (const WorksheetItem& item : sheet.items) longest = std::max(longest, static_cast<int>(item.word.size()));
    const WorksheetLayout layout =
        layoutWorksheet(static_cast<int>(sheet.items.size()), longest, page.width(), page.height());
    const QString title = QString::fromStdString(sheet.title.empty() ? kWorksheetHeading : sheet.title);
    const QString answersTitle =
        sheet.title.empty() ? QStringLiteral("Ответы") : QStringLiteral("Ответы: ") + title;
    const size_t perPage = static_cast<size_t>(layout.rowsPerPage);
    for (const bool answers : {false, true})
        for (int p = 0; p < layout.pages; ++p) {
            if (answers || p > 0) device.newPage();
            const size_t first = static_cast<size_t>(p) * perPage;
            paintPage(painter, paper, layout, page.width(), sheet, first,
                      std::min(first + perPage, sheet.items.size()), answers ? answersTitle : title, answers);
        }
    return painter.end();
}

QByteArray worksheetPdf(const Worksheet& sheet) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(sheet.title.empty() ? QStringLiteral("Буквоклад") : QString::fromStdString(sheet.title));
        pdf.setCreator(QStringLiteral("Буквоклад"));
        pdf.setResolution(600);
        // The layout keeps its own margins, measured from the paper's edge.
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        if (!paintWorksheet(pdf, sheet)) return {};
    }
    return bytes;
}

} // namespace smek::bukvoklad
