#pragma once
// The pictures of the two buttons that hide (element 0, arrow up) and show
// (element 1, arrow down) the source text, and their pressed looks.
#include <QImage>
#include <array>

namespace slovoset {

std::array<QImage, 2> drawUpPictures();        // 24 x 24
std::array<QImage, 2> drawUpPressedPictures(); // 24 x 25

} // namespace slovoset
