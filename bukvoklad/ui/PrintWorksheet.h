#pragma once
// The anagram worksheet on paper: a small dialog for its size, the pages
// painted onto a printer or a PDF, and the two menu commands that tie them
// together. Every dialog goes through Prompts.
#include "bukvoklad/core/Game.h"
#include "bukvoklad/core/Worksheet.h"
#include "common/core/Random.h"
#include "common/core/UserFiles.h"
#include "common/ui/Prompts.h"

#include <QByteArray>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QSpinBox>

class QPagedPaintDevice;

namespace smek::bukvoklad {

class frmWorksheet : public QDialog {
    Q_OBJECT
public:
    // Starts with the game's fixed length when it has one.
    frmWorksheet(QWidget* parent, const Game& game, Prompts& prompts);

    int words() const { return selWords->value(); }
    int length() const; // 0 for a random length

    QSpinBox* selWords = nullptr;
    QComboBox* selLenSlov = nullptr;
    QDialogButtonBox* buttons = nullptr;

    // OK: a count outside the range is refused with a message; the dialog stays.
    void kOK_Click();

private:
    Prompts& prompts_;
};

// The puzzle page, then the answers page, on any paged device; false when the
// device cannot be painted on.
bool paintWorksheet(QPagedPaintDevice& device, const Worksheet& sheet);

// The worksheet as a PDF document on A4 paper.
QByteArray worksheetPdf(const Worksheet& sheet);

enum class WorksheetOutput { Printer, Pdf, WebPage };

// Asks for the size, makes the worksheet from the game's word files and
// prints it, saves it as a PDF (the save dialog starts where the last PDF
// went) or as a page to play in a browser, reporting any failure.
void printWorksheet(QWidget* parent, Prompts& prompts, const Game& game, const Places& places, Random& random,
                    WorksheetOutput output);

} // namespace smek::bukvoklad
