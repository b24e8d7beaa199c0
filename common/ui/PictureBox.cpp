#include "PictureBox.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace smek {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_ = QImage(1, 1, QImage::Format_RGB32);
    image_.fill(background_);
}

void PictureBox::setOuterSize(int width, int height) {
    const int w = std::max(1, width - 2 * borderWidth());
    const int h = std::max(1, height - 2 * borderWidth());
    if (w != image_.width() || h != image_.height()) {
        QImage grown(w, h, QImage::Format_RGB32);
        grown.fill(background_);
        QPainter p(&grown);
        p.drawImage(0, 0, image_);
        image_ = grown;
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

void PictureBox::line(int x1, int y1, int x2, int y2, const QColor& colour) {
    QPainter p(&image_);
    p.setPen(QPen(colour, 0));
    p.drawLine(x1, y1, x2, y2);
    update();
}

void PictureBox::fillRect(int x1, int y1, int x2, int y2, const QColor& colour) {
    QPainter p(&image_);
    p.fillRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2))), colour);
    update();
}

void PictureBox::outlineRect(int x1, int y1, int x2, int y2, const QColor& colour) {
    QPainter p(&image_);
    p.setPen(QPen(colour, 0));
    // Four lines rather than drawRect: a one-pixel pen strokes a QRect one
    // pixel beyond its right and bottom edges, off an image of that size.
    const int left = std::min(x1, x2), right = std::max(x1, x2), top = std::min(y1, y2), bottom = std::max(y1, y2);
    p.drawLine(left, top, right, top);
    p.drawLine(right, top, right, bottom);
    p.drawLine(right, bottom, left, bottom);
    p.drawLine(left, bottom, left, top);
    update();
}

void PictureBox::text(int x, int y, const QString& text, const QColor& colour) {
    QPainter p(&image_);
    p.setFont(font_);
    p.setPen(colour);
    p.drawText(x, y + QFontMetrics(font_).ascent(), text);
    update();
}

int PictureBox::textWidth(const QString& text) const {
    return static_cast<int>(std::lround(QFontMetricsF(font_).horizontalAdvance(text)));
}

int PictureBox::textHeight() const {
    return QFontMetrics(font_).height();
}

void PictureBox::paste(int x, int y, const QImage& picture) {
    QPainter p(&image_);
    p.drawImage(x, y, picture);
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (border_) {
        // Sunken look: dark grey and black above and left, light below and right.
        const int w = width(), h = height();
        p.fillRect(rect(), palette().window());
        p.setPen(QColor(128, 128, 128));
        p.drawLine(0, 0, w - 1, 0);
        p.drawLine(0, 0, 0, h - 1);
        p.setPen(Qt::black);
        p.drawLine(1, 1, w - 2, 1);
        p.drawLine(1, 1, 1, h - 2);
        p.setPen(Qt::white);
        p.drawLine(0, h - 1, w - 1, h - 1);
        p.drawLine(w - 1, 0, w - 1, h - 1);
        p.setPen(QColor(223, 223, 223));
        p.drawLine(1, h - 2, w - 2, h - 2);
        p.drawLine(w - 2, 1, w - 2, h - 2);
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

} // namespace smek
