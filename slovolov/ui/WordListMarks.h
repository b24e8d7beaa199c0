// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Marks in the word list: a found word struck through beside its green ball,
// a missed one in red.
#include "common/ui/PictureBox.h"

#include <QColor>
#include <QString>

namespace smek::slovolov {

// Row i of the list: the designed text "i+1) WORD" from x = 25; the line
// runs through the word's capitals, not its number.
void strikeWord(smek::PictureBox& picBox, int i, const QString& word);
// A word the player did not find, after a loss or a give-up: its capitals in red.
void markMissed(smek::PictureBox& picBox, int i, const QString& word);
inline const QColor kMissed(192, 0, 0);

} // namespace smek::slovolov
