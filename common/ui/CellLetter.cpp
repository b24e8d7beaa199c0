#include "CellLetter.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace smek {

void drawCellLetter(PictureBox& box, const QRect& inside, const QString& letter, const QColor& colour) {
    const QFont boardFont = box.drawFont();
    const qreal across = inside.width() - 2 * std::max(2, (inside.width() + 1) / 10);
    const qreal down = inside.height() - 4;
    QFont font = boardFont;
    QFontMetricsF metrics(font);
    QRectF ink = metrics.tightBoundingRect(letter);
    // Twice the farther reach from the middle of the capitals, up or down.
    const auto height = [&] {
        const qreal half = metrics.capHeight() / 2;
        return 2 * std::max({half, -ink.top() - half, ink.bottom() + half});
    };
    if (ink.width() > across || height() > down) {
        const qreal scale = std::min(across / ink.width(), down / height());
        font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * scale)));
        metrics = QFontMetricsF(font);
        ink = metrics.tightBoundingRect(letter);
    }
    const int left = static_cast<int>(std::lround(inside.left() + (inside.width() - ink.width()) / 2 - ink.left()));
    const int baseline = static_cast<int>(std::lround(inside.top() + (inside.height() + metrics.capHeight()) / 2));
    box.setDrawFont(font);
    box.text(left, baseline - QFontMetrics(font).ascent(), letter, colour);
    box.setDrawFont(boardFont);
}

} // namespace smek
