// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The anagram worksheet painted on pages: the puzzle pages, then as many
// answers pages. Qt GUI only, so the command-line tool makes the same PDF as
// the window without a display.
#include "bukvoklad/core/Worksheet.h"

#include <QByteArray>

class QPagedPaintDevice;

namespace smek::bukvoklad {

// The heading of a sheet that has no title of its own.
inline constexpr const char* kWorksheetHeading = "Буквоклад: составьте из букв слова";

// Every page on any paged device; false when the device cannot be painted on.
bool paintWorksheet(QPagedPaintDevice& device, const Worksheet& sheet);

// The worksheet as a PDF document on A4 paper; empty when it could not be made.
QByteArray worksheetPdf(const Worksheet& sheet);

} // namespace smek::bukvoklad
