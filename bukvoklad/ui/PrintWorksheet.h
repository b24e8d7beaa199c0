// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The anagram worksheet on paper: a small dialog for its size, the pages
// painted onto a printer or a PDF, and the two menu commands that tie them
// together. Every dialog goes through Prompts.
#include "bukvoklad/core/Game.h"
#include "bukvoklad/core/Worksheet.h"
#include "bukvoklad/print/WorksheetPages.h"
#include "common/core/Random.h"
#include "common/core/UserFiles.h"
#include "common/ui/Prompts.h"

#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QSpinBox>

class QPagedPaintDevice;

namespace smek::bukvoklad {

class frmWorksheet : public QDialog {
    Q_OBJECT
public:
    // Starts with the game's fixed length when it has one. With an own list
    // (not empty) the sheet may be made of it instead, checked first while
    // the game plays it.
    frmWorksheet(QWidget* parent, const Game& game, Prompts& prompts, const OwnList& list);

    int words() const { return selWords->value(); }
    int length() const; // 0 for a random length
    bool fromList() const { return chSvoiSlova && chSvoiSlova->isChecked(); }

    QCheckBox* chSvoiSlova = nullptr; // only with a list
    QSpinBox* selWords = nullptr;
    QComboBox* selLenSlov = nullptr;
    QDialogButtonBox* buttons = nullptr;

    // OK: a count outside the range is refused with a message; the dialog stays.
    void kOK_Click();

private:
    Prompts& prompts_;
};

enum class WorksheetOutput { Printer, Pdf, WebPage };

// Asks for the size, makes the worksheet from the game's word files (or the
// own list, one row a word) and prints it, saves it as a PDF (the save dialog
// starts where the last PDF went) or as a page to play in a browser,
// reporting any failure.
void printWorksheet(QWidget* parent, Prompts& prompts, const Game& game, const Places& places, Random& random,
                    WorksheetOutput output, const OwnList& list);

} // namespace smek::bukvoklad
