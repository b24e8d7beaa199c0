#include "upPictures.h"

#include <QPainter>
#include <QPolygonF>

namespace slovoset {
namespace {

QImage arrowButton(bool up, bool pressed) {
    QImage img(24, pressed ? 25 : 24, QImage::Format_RGB32);
    img.fill(QColor(224, 224, 224));
    QPainter p(&img);
    const int r = img.width() - 1, b = img.height() - 1;
    const QColor light = Qt::white, dark(128, 128, 128);
    p.setPen(pressed ? dark : light);
    p.drawLine(0, 0, r, 0);
    p.drawLine(0, 0, 0, b);
    p.setPen(pressed ? light : dark);
    p.drawLine(0, b, r, b);
    p.drawLine(r, 0, r, b);
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

std::array<QImage, 2> drawUpPictures() {
    return {arrowButton(true, false), arrowButton(false, false)};
}

std::array<QImage, 2> drawUpPressedPictures() {
    return {arrowButton(true, true), arrowButton(false, true)};
}

} // namespace slovoset
