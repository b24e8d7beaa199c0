#pragma once
// A found word struck through in the word list, beside its green ball.
#include "common/ui/PictureBox.h"

#include <QString>

namespace smek::slovolov {

// Row i of the list: the designed text "i+1) WORD" from x = 25; the line
// runs through the word's capitals, not its number.
void strikeWord(smek::PictureBox& picBox, int i, const QString& word);

} // namespace smek::slovolov
