// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the board shows beyond the designed picture, drawn over it and never
// into it: the keyboard cursor's frame, the cells of a drag and the brief
// flash of a mark that a miss moves away. The letters show through.
#include "slovolov/core/Game.h"

#include <QWidget>
#include <optional>
#include <vector>

namespace smek::slovolov {

class BoardOverlay : public QWidget {
    Q_OBJECT
public:
    BoardOverlay(QWidget* board, const GameState& state);

    void setCursor(std::optional<Cell> cell);
    void setPath(std::vector<Cell> cells);
    void setFlash(std::optional<Cell> cell);

    std::optional<Cell> cursorShown() const { return cursor_; }
    const std::vector<Cell>& path() const { return path_; }
    std::optional<Cell> flash() const { return flash_; }

    static constexpr QRgb kCursorColour = 0x0050F0;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect inside(Cell c) const;

    const GameState& state_;
    std::optional<Cell> cursor_;
    std::vector<Cell> path_;
    std::optional<Cell> flash_;
};

} // namespace smek::slovolov
