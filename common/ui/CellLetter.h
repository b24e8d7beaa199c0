// SPDX-License-Identifier: GPL-3.0-or-later
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
// letter too wide for that room (Ж, Ш, Щ, Ы, Ю) is narrowed; one whose tail or
// accent would come too near a line leaves the baseline by what it lacks; only
// a letter taller than the room is drawn in a smaller size.
void drawCellLetter(PictureBox& box, const QRect& inside, const QString& letter, const QColor& colour);

} // namespace smek
