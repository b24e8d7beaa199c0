// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's file dialog leaves out files whose names are not valid UTF-8 (names
// unpacked from an old CP1251 archive). The open dialog lists them below its
// own view, read with the bytes as they are, and choosing one gives its path
// in the form of fromPath.
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

class QFileDialog;

namespace smek {

// The names in the folder that are not valid UTF-8 and match one of the
// patterns ("*.slv", "*"), sorted; regular files only.
std::vector<std::string> undecodableFiles(const std::string& folder, const QStringList& patterns);

// The patterns of a Qt name filter: "Словолов (*.slv)" -> {"*.slv"}.
QStringList filterPatterns(const QString& nameFilter);

// Adds the list to an open dialog; choosing an entry sets *chosen and
// accepts the dialog.
void addUndecodableNames(QFileDialog& dialog, QString* chosen);

} // namespace smek
