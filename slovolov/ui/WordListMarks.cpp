// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordListMarks.h"

#include <QFontMetrics>
#include <cmath>

namespace smek::slovolov {

void strikeWord(smek::PictureBox& picBox, int i, const QString& word) {
    const QString number = QString::number(i + 1) + QStringLiteral(") ");
    const int left = 25 + picBox.textWidth(number);
    const int right = 25 + picBox.textWidth(number + word) - 1;
    // Where PictureBox::text puts the baseline.
    const int baseline = 20 * i + 1 + QFontMetrics(picBox.drawFont()).ascent();
    const int middle = baseline - static_cast<int>(std::lround(QFontMetricsF(picBox.drawFont()).capHeight() / 2));
    picBox.line(left, middle, right, middle, Qt::black);
    picBox.line(left, middle + 1, right, middle + 1, Qt::black);
}

void markMissed(smek::PictureBox& picBox, int i, const QString& word) {
    const QString number = QString::number(i + 1) + QStringLiteral(") ");
    const int left = 25 + picBox.textWidth(number);
    picBox.fillRect(left, 20 * i + 1, left + picBox.textWidth(word) + 1, 20 * i + 19, Qt::white);
    picBox.text(left, 20 * i + 1, word, kMissed);
}

} // namespace smek::slovolov
