// SPDX-License-Identifier: GPL-3.0-or-later
#include "usrSlovaIcons.h"

#include "common/ui/PictureBox.h"
#include "slovoset/core/usrSlovaState.h"

#include <QPainter>
#include <QPainterPath>

namespace smek::slovoset {
namespace {

const QColor kFace(224, 224, 224);
const QColor kShade(128, 128, 128);

enum class Mark { Question, Box, BoxTicked, Revealed, Guessed };

// A small button: raised, or sunken with its mark one pixel lower right.
QImage button(Mark mark, bool pressed, qreal ratio) {
    QImage img = smek::pictureImage(kIconSize, kIconSize, ratio, kFace);
    QPainter p(&img);
    const int last = kIconSize - 1;
    const QColor topLeft = pressed ? kShade : QColor(Qt::white), bottomRight = pressed ? QColor(Qt::white) : kShade;
    p.fillRect(0, 0, kIconSize, 1, topLeft);
    p.fillRect(0, 0, 1, kIconSize, topLeft);
    p.fillRect(0, last, kIconSize, 1, bottomRight);
    p.fillRect(last, 0, 1, kIconSize, bottomRight);
    if (pressed) p.translate(1, 1);
    p.setRenderHint(QPainter::Antialiasing);

    switch (mark) {
    case Mark::Question: {
        QFont f(QStringLiteral("MS Sans Serif"));
        f.setPixelSize(16);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(0, 0, 160));
        p.drawText(QRect(0, 0, kIconSize, kIconSize), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case Mark::Box:
    case Mark::BoxTicked:
        p.setPen(QPen(kShade, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 4.5, 12, 12));
        if (mark == Mark::BoxTicked) {
            QPainterPath tick;
            tick.moveTo(6.5, 10.5);
            tick.lineTo(9.5, 14);
            tick.lineTo(15.5, 6.5);
            p.setPen(QPen(QColor(0, 150, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(tick);
        }
        break;
    case Mark::Revealed:
        // Given up: a red dot, as the red underline in the text.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 0, 0));
        p.drawEllipse(QRectF(5.5, 5.5, 10, 10));
        break;
    case Mark::Guessed: {
        QPainterPath tick;
        tick.moveTo(4.5, 11);
        tick.lineTo(9, 16);
        tick.lineTo(17, 5.5);
        p.setPen(QPen(QColor(0, 160, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tick);
        break;
    }
    }
    return img;
}

} // namespace

std::array<QImage, 5> drawStateIcons(qreal ratio) {
    return {button(Mark::Question, false, ratio), button(Mark::Box, false, ratio), button(Mark::BoxTicked, false, ratio),
            button(Mark::Revealed, false, ratio), button(Mark::Guessed, false, ratio)};
}

std::array<QImage, 3> drawPressedIcons(qreal ratio) {
    return {button(Mark::Question, true, ratio), button(Mark::Box, true, ratio), button(Mark::BoxTicked, true, ratio)};
}

} // namespace smek::slovoset
