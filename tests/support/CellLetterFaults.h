// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every capital drawn in a cell of each board size (the word-search levels and
// the compose-a-word cells), checked at the screen's pixel ratio: the faults
// found, as "size:letter gaps", so a failure names them.
#include "common/ui/CellLetter.h"
#include "common/ui/Geometry.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace smek::test {

inline QStringList cellLetterFaults() {
    struct Board {
        int cell;
        double points;
    };
    QStringList faults;
    for (const Board b : {Board{40, 24}, Board{26, 16}, Board{20, 12}, Board{33, 20.25}}) {
        PictureBox box;
        box.setDrawFont(serifFont(b.points, true));
        box.setOuterSize(b.cell + 1, b.cell + 1);
        const qreal r = box.pixelRatio();
        int capitalHeight = 0; // of В, a plain capital drawn before the wide ones
        for (const QChar c : QStringLiteral("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ")) {
            box.clear();
            drawCellLetter(box, QRect(1, 1, b.cell - 1, b.cell - 1), QString(c), Qt::black);
            QRect ink; // in device pixels, faint edges included
            const QImage& image = box.image();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qGray(image.pixel(x, y)) < 224) ink |= QRect(x, y, 1, 1);
            // Logical pixels of white between the ink and each line (at 0 and at b.cell).
            const double left = ink.left() / r - 1, right = b.cell - (ink.right() + 1) / r;
            const double top = ink.top() / r - 1, bottom = b.cell - (ink.bottom() + 1) / r;
            if (std::min({left, right, top, bottom}) < 1 || std::abs(left - right) > 2)
                faults << QStringLiteral("%1:%2 %3 %4 %5 %6").arg(b.cell).arg(c).arg(left).arg(right).arg(top).arg(bottom);
            // A wide capital is narrowed, never made small beside the others.
            if (c == QChar(0x0412)) capitalHeight = ink.height();
            if (QStringLiteral("ЖШЫЮ").contains(c) && ink.height() < capitalHeight - 1)
                faults << QStringLiteral("%1:%2 height %3 of %4").arg(b.cell).arg(c).arg(ink.height()).arg(capitalHeight);
        }
    }
    return faults;
}

} // namespace smek::test
