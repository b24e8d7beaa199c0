// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardOverlay.h"

#include <QPainter>

namespace smek::slovolov {

BoardOverlay::BoardOverlay(QWidget* board, const GameState& state) : QWidget(board), state_(state) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void BoardOverlay::setCursor(std::optional<Cell> cell) {
    if (cell == cursor_) return;
    cursor_ = cell;
    update();
}

void BoardOverlay::setPath(std::vector<Cell> cells) {
    if (cells == path_) return;
    path_ = std::move(cells);
    update();
}

void BoardOverlay::setFlash(std::optional<Cell> cell) {
    if (cell == flash_) return;
    flash_ = cell;
    update();
}

// A cell's inside, between its grid lines.
QRect BoardOverlay::inside(Cell c) const {
    const int s = state_.CellSize;
    return {c.x * s + 1, c.y * s + 1, s - 1, s - 1};
}

void BoardOverlay::paintEvent(QPaintEvent*) {
    if (state_.CellSize <= 0) return;
    QPainter p(this);
    for (const Cell& c : path_) p.fillRect(inside(c), QColor(0, 120, 255, 70));
    if (flash_) p.fillRect(inside(*flash_), QColor(255, 40, 40, 120));
    if (cursor_) {
        // A two-pixel frame just inside the grid lines, clear of the letter.
        const QRect r = inside(*cursor_);
        const QColor colour = QColor::fromRgb(kCursorColour);
        p.fillRect(r.left(), r.top(), r.width(), 2, colour);
        p.fillRect(r.left(), r.bottom() - 1, r.width(), 2, colour);
        p.fillRect(r.left(), r.top(), 2, r.height(), colour);
        p.fillRect(r.right() - 1, r.top(), 2, r.height(), colour);
    }
}

} // namespace smek::slovolov
