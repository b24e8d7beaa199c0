#pragma once
// The eight 22 x 22 pictures of the word list: five state icons and the
// pressed looks of the three that can be pressed.
#include <QImage>
#include <array>

namespace slovoset {

std::array<QImage, 5> drawStateIcons();
std::array<QImage, 3> drawPressedIcons();

} // namespace slovoset
