// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keyboard and drag play on the board, beyond the designed clicks: a cursor
// cell moved by the arrow keys, Home/End (first/last column) and PgUp/PgDn
// (first/last row), with Space or Enter clicking it; a drag from a first
// letter to a last one clicking both ends; and the flash of a mark that a miss
// moves. Every "click" goes through the window's own board click, so the
// designed rules decide.
#include "BoardOverlay.h"
#include "common/ui/PictureBox.h"
#include "slovolov/core/Game.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

namespace smek::slovolov {

class BoardInput : public QObject {
    Q_OBJECT
public:
    // click: the window's board click at a pixel of the board.
    BoardInput(smek::PictureBox* board, const GameState& state, std::function<void(int, int)> click);

    Cell cursor() const { return cursor_; }
    BoardOverlay* overlay() const { return overlay_; }
    QTimer* flashTimer() const { return flashTimer_; }

    // A board is ready: the cursor stays where it was (inside the new grid),
    // nothing transient is left over, and the board takes the keyboard.
    void gameStarted();
    // The game is over: no drag, no flash.
    void gameEnded();
    // A second click matched nothing: the old mark flashes before it goes.
    void missed(Cell oldMark);

    static constexpr int kFlashMs = 300;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitOverlay();
    bool keyPressed(int key);
    void clickCell(Cell c);
    void showCursor();
    void dropTransients();

    smek::PictureBox* board_;
    const GameState& state_;
    std::function<void(int, int)> click_;
    BoardOverlay* overlay_;
    QTimer* flashTimer_;
    Cell cursor_;
    std::optional<Cell> dragStart_;
};

} // namespace smek::slovolov
