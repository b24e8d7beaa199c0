// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardInput.h"

#include "slovolov/core/Cursor.h"
#include "slovolov/core/Drag.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace smek::slovolov {

BoardInput::BoardInput(smek::PictureBox* board, const GameState& state, std::function<void(int, int)> click)
    : QObject(board), board_(board), state_(state), click_(std::move(click)),
      overlay_(new BoardOverlay(board, state)), flashTimer_(new QTimer(this)) {
    board_->setFocusPolicy(Qt::StrongFocus);
    board_->installEventFilter(this);
    flashTimer_->setSingleShot(true);
    flashTimer_->setInterval(kFlashMs);
    connect(flashTimer_, &QTimer::timeout, this, [this] { overlay_->setFlash(std::nullopt); });
    fitOverlay();
}

void BoardInput::fitOverlay() {
    overlay_->setGeometry(board_->borderWidth(), board_->borderWidth(), board_->image().width(),
                          board_->image().height());
}

void BoardInput::gameStarted() {
    cursor_ = clampCursor(cursor_, state_.GridMax);
    dropTransients();
    board_->setFocus(Qt::OtherFocusReason);
    showCursor();
}

void BoardInput::gameEnded() {
    dropTransients();
    showCursor();
}

void BoardInput::missed(Cell oldMark) {
    overlay_->setFlash(oldMark);
    flashTimer_->start();
}

void BoardInput::dropTransients() {
    dragStart_.reset();
    flashTimer_->stop();
    overlay_->setFlash(std::nullopt);
    overlay_->setPath({});
}

// The frame shows where the keys act: on a board in play that is its window's
// focus widget (also while another program has the keyboard: the frame then
// says where the keys will go on coming back).
void BoardInput::showCursor() {
    const bool shown = board_->isEnabled() && board_->window()->focusWidget() == board_ && !state_.cells.empty();
    overlay_->setCursor(shown ? std::optional<Cell>(cursor_) : std::nullopt);
}

void BoardInput::clickCell(Cell c) {
    const Pixel p = cellCentre(state_, c);
    click_(p.x, p.y);
}

bool BoardInput::keyPressed(int key) {
    static const std::pair<int, CursorMove> moves[] = {
        {Qt::Key_Left, CursorMove::Left},       {Qt::Key_Right, CursorMove::Right},
        {Qt::Key_Up, CursorMove::Up},           {Qt::Key_Down, CursorMove::Down},
        {Qt::Key_Home, CursorMove::FirstColumn}, {Qt::Key_End, CursorMove::LastColumn},
        {Qt::Key_PageUp, CursorMove::FirstRow}, {Qt::Key_PageDown, CursorMove::LastRow},
    };
    for (const auto& [k, move] : moves)
        if (k == key) {
            cursor_ = moveCursor(cursor_, move, state_.GridMax);
            showCursor();
            return true;
        }
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (!state_.cells.empty()) clickCell(clampCursor(cursor_, state_.GridMax));
        return true;
    }
    return false;
}

bool BoardInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched != board_) return false;
    const auto mouseCell = [this](QEvent* e) {
        const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint() -
                         QPoint(board_->borderWidth(), board_->borderWidth());
        return cellAt(state_, p.x(), p.y());
    };
    switch (event->type()) {
    case QEvent::Resize: fitOverlay(); return false;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::EnabledChange:
        showCursor();
        return false;
    case QEvent::KeyPress: return keyPressed(static_cast<QKeyEvent*>(event)->key());
    case QEvent::MouseButtonPress:
        dragStart_ = mouseCell(event);
        return false;
    case QEvent::MouseMove:
        if (dragStart_) {
            const std::optional<Cell> at = mouseCell(event);
            overlay_->setPath(at && *at != *dragStart_ ? dragPath(*dragStart_, *at) : std::vector<Cell>{});
        }
        return false;
    case QEvent::MouseButtonRelease: {
        const std::optional<Cell> start = dragStart_;
        const std::optional<Cell> end = mouseCell(event);
        dragStart_.reset();
        overlay_->setPath({});
        if (!end) return false; // off the board: the designed click ignores it too
        if (start && *start != *end) {
            // A drag is the two clicks it stands for: its start, then (below,
            // the designed release) its end.
            clickCell(*start);
            if (!board_->isEnabled()) return true; // that click ended the game
        }
        cursor_ = *end;
        showCursor();
        return false;
    }
    default: return false;
    }
}

} // namespace smek::slovolov
