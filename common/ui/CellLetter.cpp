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
    // Too wide: narrowed, so it keeps the capitals' height and never reads as a
    // small letter among them.
    if (ink.width() > across) {
        font.setStretch(std::max(1, static_cast<int>(100 * across / ink.width())));
        metrics = QFontMetricsF(font);
        ink = metrics.tightBoundingRect(letter);
    }
    if (ink.width() > across || ink.height() > down) {
        const qreal scale = std::min(across / ink.width(), down / ink.height());
        font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * scale)));
        metrics = QFontMetricsF(font);
        ink = metrics.tightBoundingRect(letter);
    }
    const int left = static_cast<int>(std::lround(inside.left() + (inside.width() - ink.width()) / 2 - ink.left()));
    // The capitals centred down; a tail or an accent that would come too near a
    // line moves the letter off the shared baseline by what it lacks.
    const qreal centred = inside.top() + (inside.height() + metrics.capHeight()) / 2;
    const qreal lowest = inside.bottom() - 1 - ink.bottom(), highest = inside.top() + 2 - ink.top();
    const int baseline = static_cast<int>(std::lround(std::clamp(centred, highest, std::max(highest, lowest))));
    box.setDrawFont(font);
    box.text(left, baseline - QFontMetrics(font).ascent(), letter, colour);
    box.setDrawFont(boardFont);
}

} // namespace smek
