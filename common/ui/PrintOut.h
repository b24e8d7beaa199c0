// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pages on paper or in a PDF file: the caller draws them, this asks where
// they go (through the prompts, so tests never open a dialog) and writes the
// file the way every other file is written (beside the old one, then renamed).
#include "Prompts.h"
#include "common/core/UserFiles.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QRect>
#include <QString>
#include <functional>

namespace smek {

// Draws every page: the first onto the fresh device, each further one after
// device.newPage(). The painter's origin is the top-left corner of the
// printable area, whose size pageArea() gives.
using DrawPages = std::function<void(QPainter& painter, QPagedPaintDevice& device)>;

// A4 portrait with 15 mm margins.
void setA4(QPagedPaintDevice& device);
// The printable area in device pixels, from (0, 0).
QRect pageArea(const QPagedPaintDevice& device);

// "Печать…": the print dialog, then the pages. False when cancelled or failed
// (the player has been told).
bool printPages(Prompts& prompts, const QString& documentName, const DrawPages& draw);

// "Сохранить в PDF…": the save dialog, starting where the last PDF went
// (".pdf" added to a name without an extension), the question before another
// file is replaced, then the PDF. Returns the file written, or empty.
QString savePdf(Prompts& prompts, const Places& places, const QString& proposedName, const QString& documentName,
                const DrawPages& draw);

// The save dialog for a PDF (one filter, "Документ PDF (*.pdf)", in every
// game), the question before another file is replaced, then the document
// `render` makes (empty: the document could not be made, which is reported).
// Returns the file written, or empty.
QString savePdfFile(Prompts& prompts, const Places& places, const QString& proposedName,
                    const std::function<QByteArray()>& render);

// The PDF bytes of the pages, for savePdf and for tests.
QByteArray pdfBytes(const QString& documentName, const DrawPages& draw);

} // namespace smek
