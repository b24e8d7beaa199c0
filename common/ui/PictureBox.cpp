// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureBox.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace smek {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The screen's ratio when the surface is made; a window moved later to a
    // screen of another ratio shows the image scaled.
    ratio_ = devicePixelRatioF();
    image_ = blankImage(1, 1);
}

QImage PictureBox::blankImage(int width, int height) const {
    return pictureImage(width, height, ratio_, background_);
}

void PictureBox::setOuterSize(int width, int height) {
    const int w = std::max(1, width - 2 * borderWidth());
    const int h = std::max(1, height - 2 * borderWidth());
    const QImage grown = blankImage(w, h);
    if (grown.size() != image_.size()) {
        QImage kept = grown;
        QPainter p(&kept);
        p.drawImage(0, 0, image_);
        p.end();
        image_ = kept;
    }
    setFixedSize(width, height);
    update();
}

void PictureBox::setSunkenBorder(bool on) {
    const QSize outer = size();
    border_ = on;
    setOuterSize(outer.width(), outer.height());
}

void PictureBox::setBackground(const QColor& colour) {
    background_ = colour;
}

void PictureBox::clear() {
    image_.fill(background_);
    update();
}

int PictureBox::device(int logical) const {
    return static_cast<int>(std::lround(logical * ratio_));
}

void PictureBox::fillDevice(int left, int top, int right, int bottom, const QColor& colour) {
    QPainter p(&image_);
    // Undo the image's own scaling: these are device pixels already.
    p.scale(1 / ratio_, 1 / ratio_);
    p.fillRect(QRect(left, top, right - left, bottom - top), colour);
    update();
}

int PictureBox::lineWidth() const {
    return std::max(1, static_cast<int>(std::lround(ratio_)));
}

int PictureBox::areaStart(int logical) const {
    return std::max(device(logical), device(logical - 1) + lineWidth());
}

void PictureBox::line(int x1, int y1, int x2, int y2, const QColor& colour) {
    // A line one logical pixel wide, both ends included. Every line is the
    // same whole number of device pixels wide, so a grid stays even at 1.5x.
    if (y1 == y2) {
        const int left = std::min(x1, x2), right = std::max(x1, x2);
        fillDevice(device(left), device(y1), device(right + 1), device(y1) + lineWidth(), colour);
        return;
    }
    if (x1 == x2) {
        const int top = std::min(y1, y2), bottom = std::max(y1, y2);
        fillDevice(device(x1), device(top), device(x1) + lineWidth(), device(bottom + 1), colour);
        return;
    }
    QPainter p(&image_);
    p.setPen(QPen(colour, 1, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(x2 + 0.5, y2 + 0.5));
    update();
}

void PictureBox::fillRect(int x1, int y1, int x2, int y2, const QColor& colour) {
    // Edges land on the nearest device pixel edge; the left and top ones
    // never reach into a line that may lie just before them (a cell filled
    // after its grid lines), which at 1.5x would thin that line.
    fillDevice(areaStart(std::min(x1, x2)), areaStart(std::min(y1, y2)), device(std::max(x1, x2) + 1),
               device(std::max(y1, y2) + 1), colour);
}

void PictureBox::outlineRect(int x1, int y1, int x2, int y2, const QColor& colour) {
    // Four lines rather than drawRect: a one-pixel pen strokes a QRect one
    // pixel beyond its right and bottom edges, off an image of that size.
    const int left = std::min(x1, x2), right = std::max(x1, x2), top = std::min(y1, y2), bottom = std::max(y1, y2);
    line(left, top, right, top, colour);
    line(right, top, right, bottom, colour);
    line(right, bottom, left, bottom, colour);
    line(left, bottom, left, top, colour);
}

void PictureBox::text(int x, int y, const QString& text, const QColor& colour, qreal narrowed) {
    QPainter p(&image_);
    p.setFont(font_);
    p.setPen(colour);
    p.translate(x, 0);
    p.scale(narrowed, 1);
    p.drawText(0, y + QFontMetrics(font_).ascent(), text);
    update();
}

int PictureBox::textWidth(const QString& text) const {
    return static_cast<int>(std::lround(QFontMetricsF(font_).horizontalAdvance(text)));
}

void PictureBox::paste(int x, int y, const QImage& picture) {
    QPainter p(&image_);
    p.drawImage(x, y, picture);
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (border_) {
        // Sunken look: dark grey and black above and left, light below and
        // right; filled one-pixel bands, so they scale with the screen.
        const int w = width(), h = height();
        p.fillRect(rect(), palette().window());
        p.fillRect(0, 0, w, 1, QColor(128, 128, 128));
        p.fillRect(0, 0, 1, h, QColor(128, 128, 128));
        p.fillRect(1, 1, w - 2, 1, Qt::black);
        p.fillRect(1, 1, 1, h - 2, Qt::black);
        p.fillRect(0, h - 1, w, 1, Qt::white);
        p.fillRect(w - 1, 0, 1, h, Qt::white);
        p.fillRect(1, h - 2, w - 2, 1, QColor(223, 223, 223));
        p.fillRect(w - 2, 1, 1, h - 2, QColor(223, 223, 223));
    }
    p.drawImage(borderWidth(), borderWidth(), image_);
}

QPoint PictureBox::inner(const QPointF& widgetPos) const {
    return {static_cast<int>(std::floor(widgetPos.x())) - borderWidth(),
            static_cast<int>(std::floor(widgetPos.y())) - borderWidth()};
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    const QPoint p = inner(event->position());
    emit mouseDown(event->button(), p.x(), p.y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = inner(event->position());
    emit mouseUp(event->button(), p.x(), p.y());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = inner(event->position());
    emit mouseMove(event->buttons(), p.x(), p.y());
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint p = inner(event->position());
    emit doubleClicked(p.x(), p.y());
}

QImage pictureImage(int width, int height, qreal ratio, const QColor& fill) {
    QImage image(static_cast<int>(std::ceil(width * ratio)), static_cast<int>(std::ceil(height * ratio)),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(fill);
    return image;
}

} // namespace smek
