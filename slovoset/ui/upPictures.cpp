// SPDX-License-Identifier: GPL-3.0-or-later
#include "upPictures.h"

#include "common/ui/PictureBox.h"

#include <QPainter>
#include <QPolygonF>

namespace smek::slovoset {
namespace {

QImage arrowButton(bool up, bool pressed, qreal ratio) {
    const int w = 24, h = pressed ? 25 : 24;
    QImage img = smek::pictureImage(w, h, ratio, QColor(224, 224, 224));
    QPainter p(&img);
    const QColor light = Qt::white, dark(128, 128, 128);
    const QColor topLeft = pressed ? dark : light, bottomRight = pressed ? light : dark;
    p.fillRect(0, 0, w, 1, topLeft);
    p.fillRect(0, 0, 1, h, topLeft);
    p.fillRect(0, h - 1, w, 1, bottomRight);
    p.fillRect(w - 1, 0, 1, h, bottomRight);
    p.setRenderHint(QPainter::Antialiasing);
    if (pressed) p.translate(1, 1);
    const QPolygonF arrow = up ? QPolygonF({QPointF(5, 15), QPointF(12, 7), QPointF(19, 15)})
                               : QPolygonF({QPointF(5, 8), QPointF(12, 16), QPointF(19, 8)});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    p.drawPolygon(arrow);
    return img;
}

} // namespace

std::array<QImage, 2> drawUpPictures(qreal ratio) {
    return {arrowButton(true, false, ratio), arrowButton(false, false, ratio)};
}

std::array<QImage, 2> drawUpPressedPictures(qreal ratio) {
    return {arrowButton(true, true, ratio), arrowButton(false, true, ratio)};
}

} // namespace smek::slovoset
