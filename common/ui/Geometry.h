// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Layouts are given in twips (15 to a pixel) and font sizes in points at 96 dpi;
// fonts get pixel sizes so every screen shows the designed geometry.
#include <QFont>
#include <QRect>
#include <QString>

namespace smek {

constexpr int tw(int twips) { return twips / 15; }
inline QRect twRect(int left, int top, int width, int height) {
    return {tw(left), tw(top), tw(width), tw(height)};
}

QFont fontPt(const QString& family, double points, bool bold = false);
inline QFont sansFont(double points, bool bold = false) { return fontPt(QStringLiteral("MS Sans Serif"), points, bold); }
inline QFont serifFont(double points, bool bold = false) { return fontPt(QStringLiteral("Times New Roman"), points, bold); }

// Maps the designed faces to the metric-compatible ones the setup installs,
// and settles which of the two the fonts ask for (needs the application).
void installFontSubstitutions();

} // namespace smek
