// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drawing surface that keeps what is drawn on it: it owns a QImage, the
// drawing operations paint into that image, and painting copies it to the
// screen. Coordinates are pixels with (0, 0) at the top left of the inner
// area; an optional 2-pixel sunken border lies around it.
//
// The image holds device pixels: at a device pixel ratio of 2 it has twice
// the pixels each way, so letters and lines are drawn sharp at the screen's
// resolution, while every coordinate given to or reported by the surface
// stays a logical pixel, as the layouts are designed.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QWidget>

namespace smek {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The widget's outer size; the image is that less the border. What was
    // drawn stays where it was; new area gets the background.
    void setOuterSize(int width, int height);
    void setSunkenBorder(bool on);
    int borderWidth() const { return border_ ? 2 : 0; }
    void setBackground(const QColor& colour);
    QColor background() const { return background_; }
    void setDrawFont(const QFont& font) { font_ = font; }
    const QFont& drawFont() const { return font_; }

    void clear();
    void line(int x1, int y1, int x2, int y2, const QColor& colour);
    // Corners inclusive.
    void fillRect(int x1, int y1, int x2, int y2, const QColor& colour);
    void outlineRect(int x1, int y1, int x2, int y2, const QColor& colour);
    // Text with its top-left corner at (x, y), in the drawing font; narrowed
    // across by that factor, from x, when below 1.
    void text(int x, int y, const QString& text, const QColor& colour, qreal narrowed = 1);
    int textWidth(const QString& text) const;
    void paste(int x, int y, const QImage& picture);

    // The image in device pixels (its devicePixelRatio says how many a
    // logical pixel has).
    const QImage& image() const { return image_; }
    qreal pixelRatio() const { return ratio_; }

signals:
    void mouseDown(Qt::MouseButton button, int x, int y);
    void mouseUp(Qt::MouseButton button, int x, int y);
    void mouseMove(Qt::MouseButtons buttons, int x, int y);
    void doubleClicked(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPoint inner(const QPointF& widgetPos) const;
    QImage blankImage(int width, int height) const;
    int device(int logical) const;
    int lineWidth() const;
    int areaStart(int logical) const;
    void fillDevice(int left, int top, int right, int bottom, const QColor& colour);

    qreal ratio_ = 1;
    QImage image_;
    QColor background_ = Qt::white;
    QFont font_;
    bool border_ = false;
};

// A small picture to paste into a surface of that pixel ratio: width x height
// logical pixels, filled, in device pixels. Paint it in logical coordinates;
// one-pixel lines as filled rectangles, so they stay whole at any ratio.
QImage pictureImage(int width, int height, qreal ratio, const QColor& fill);

} // namespace smek
