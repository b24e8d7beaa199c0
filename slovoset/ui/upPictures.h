// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of the two buttons that hide (element 0, arrow up) and show
// (element 1, arrow down) the source text, and their pressed looks.
#include <QImage>
#include <array>

namespace smek::slovoset {

// At the pixel ratio of the buttons they are pasted into.
std::array<QImage, 2> drawUpPictures(qreal ratio = 1);        // 24 x 24
std::array<QImage, 2> drawUpPressedPictures(qreal ratio = 1); // 24 x 25

} // namespace smek::slovoset
