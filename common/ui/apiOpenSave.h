// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Asks for a file name with the open (mode 0) or save (any other mode) dialog.
#include "Prompts.h"
#include "common/core/SaveOpen.h"
#include "common/core/UserFiles.h"

#include <QList>
#include <QPair>
#include <QString>

namespace smek {

struct FilterPair {
    QString description; // e.g. "Словолов (*.slv)"
    QString pattern;     // e.g. "*.slv"
};

// The longest path the dialog gives back (its buffer holds 255 with the end mark).
constexpr int kMaxPathChars = 254;

// The caller's pairs come first and the first is preselected; allFiles is
// appended last. Returns the full path, or empty when the player cancelled or
// chose a longer path than kMaxPathChars, which an error box reports.
QString apiOpenSave(Prompts& prompts, int mode, const QString& proposedName, const QList<FilterPair>& filter,
                    const FilterPair& allFiles, const QString& startFolder);

// apiOpenSave started in the folder last used for this kind of file (first
// the documents folder, never one the player cannot write); the chosen
// file's folder is remembered for the next time.
QString askFileName(Prompts& prompts, const Places& places, const std::string& kind, int mode,
                    const QString& proposedName, const QList<FilterPair>& filter, const FilterPair& allFiles);

// The question before another file is replaced: a warning box, Yes or No.
AskReplace replaceQuestion(Prompts& prompts);

} // namespace smek
