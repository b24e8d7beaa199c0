#pragma once
// A board letter in its cell, for the word-search board and the
// compose-a-word letters alike.
#include "PictureBox.h"

#include <QColor>
#include <QRect>
#include <QString>

namespace smek {

// Draws letter inside the cell's interior (the pixels between its grid lines)
// in the box's face: the ink centred across, the capital height centred down
// (so a row's letters share a baseline and Д, Ц, Щ hang below it), a tenth of
// the cell clear of the side lines and two pixels clear of the others. A
// letter the face would not leave that room (Ж, Ш, Щ, Ы, Ю on large cells, Й's
// breve on small ones) is drawn in a smaller size of it.
void drawCellLetter(PictureBox& box, const QRect& inside, const QString& letter, const QColor& colour);

} // namespace smek
