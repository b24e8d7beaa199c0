// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The eight 22 x 22 pictures of the word list: five state icons and the
// pressed looks of the three that can be pressed.
#include <QImage>
#include <array>

namespace smek::slovoset {

// At the pixel ratio of the list they are pasted into.
std::array<QImage, 5> drawStateIcons(qreal ratio = 1);
std::array<QImage, 3> drawPressedIcons(qreal ratio = 1);

} // namespace smek::slovoset
