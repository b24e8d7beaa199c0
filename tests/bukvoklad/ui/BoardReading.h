// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers of the window tests: typing characters the way a keyboard does, and
// reading which letter stands in each cell of the board's backing image.
#include "bukvoklad/core/NewGame.h"
#include "common/ui/CellLetter.h"
#include "common/ui/PictureBox.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QStringList>

// QTest's key clicks carry Latin-1 text only; a Russian keyboard sends the letter.
inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

// The inside of cell j (no grid lines).
inline QImage cellImage(const QImage& board, int j) {
    return board.copy(smek::bukvoklad::kCell * j + 1, 1, smek::bukvoklad::kCell - 2, 32);
}

// The letter (of the candidates) whose centred drawing, in this colour on this
// background, matches cell j exactly, or "?" when none does.
inline QString letterInCell(const smek::PictureBox& board, int j, const QStringList& candidates,
                            const QColor& colour = Qt::black, const QColor& background = Qt::white) {
    const QImage cell = cellImage(board.image(), j);
    for (const QString& letter : candidates) {
        smek::PictureBox reference;
        reference.setDrawFont(board.drawFont());
        reference.setOuterSize(smek::bukvoklad::kCell, 34);
        reference.setBackground(background);
        reference.clear();
        smek::drawCellLetter(reference, QRect(1, 1, smek::bukvoklad::kCell - 1, 32), letter, colour);
        if (cellImage(reference.image(), 0) == cell) return letter;
    }
    return QStringLiteral("?");
}

inline int darkPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += qGray(image.pixel(x, y)) < 128;
    return n;
}

// Columns of white left and right of the ink in a cell.
inline std::pair<int, int> margins(const QImage& cell) {
    int left = cell.width(), right = -1;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            if (qGray(cell.pixel(x, y)) < 128) left = std::min(left, x), right = std::max(right, x);
    return {left, cell.width() - 1 - right};
}
