// SPDX-License-Identifier: GPL-3.0-or-later
#include "CellLetter.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace smek {
namespace {

// Where a letter goes in a cell of a given size, and in which face.
struct Placement {
    QFont font;
    qreal narrowed; // across, 1 for none
    qreal left;     // of the text, from the cell's left
    qreal baseline; // from the cell's top
    int ascent;
};

// The ink of a letter drawn narrowed across by that factor.
QRectF narrowedInk(const QFontMetricsF& metrics, const QString& letter, qreal narrowed) {
    const QRectF ink = metrics.tightBoundingRect(letter);
    return {ink.left() * narrowed, ink.top(), ink.width() * narrowed, ink.height()};
}

Placement place(const QFont& boardFont, const QSize& inside, const QString& letter) {
    const qreal across = inside.width() - 2 * std::max(2, (inside.width() + 1) / 10);
    const qreal down = inside.height() - 4;
    QFont font = boardFont;
    QFontMetricsF metrics(font);
    QRectF ink = metrics.tightBoundingRect(letter);
    // Too wide: narrowed, so it keeps the capitals' height and never reads as a
    // small letter among them. Drawn narrowed rather than in a stretched face:
    // each stretch would be a font of its own to load.
    const qreal narrowed = ink.width() > across ? across / ink.width() : 1;
    ink = narrowedInk(metrics, letter, narrowed);
    if (ink.height() > down) {
        font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * down / ink.height())));
        metrics = QFontMetricsF(font);
        ink = narrowedInk(metrics, letter, narrowed);
    }
    const qreal left = (inside.width() - ink.width()) / 2 - ink.left();
    // The capitals centred down; a tail or an accent that would come too near a
    // line moves the letter off the shared baseline by what it lacks.
    const qreal centred = (inside.height() + metrics.capHeight()) / 2;
    const qreal lowest = inside.height() - 2 - ink.bottom(), highest = 2 - ink.top();
    return {font, narrowed, left, std::clamp(centred, highest, std::max(highest, lowest)), QFontMetrics(font).ascent()};
}

} // namespace

void drawCellLetter(PictureBox& box, const QRect& inside, const QString& letter, const QColor& colour) {
    // Measuring a letter's ink is most of the cost of drawing it, and a board
    // repeats few letters in one cell size: each is measured once.
    using Key = std::tuple<QFont, int, int, QString>;
    static std::map<Key, Placement> placed;
    const QFont boardFont = box.drawFont();
    const Key key{boardFont, inside.width(), inside.height(), letter};
    auto found = placed.find(key);
    if (found == placed.end()) found = placed.emplace(key, place(boardFont, inside.size(), letter)).first;
    const Placement& at = found->second;
    const int left = static_cast<int>(std::lround(inside.left() + at.left));
    const int baseline = static_cast<int>(std::lround(inside.top() + at.baseline));
    box.setDrawFont(at.font);
    box.text(left, baseline - at.ascent, letter, colour, at.narrowed);
    box.setDrawFont(boardFont);
}

} // namespace smek
