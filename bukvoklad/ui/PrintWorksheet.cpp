// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintWorksheet.h"

#include "common/ui/Geometry.h"
#include "common/ui/Text.h"
#include "common/ui/PrintOut.h"
#include "common/ui/SaveWebPage.h"
#include "bukvoklad/core/WebPage.h"

#include <QFormLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

namespace smek::bukvoklad {

frmWorksheet::frmWorksheet(QWidget* parent, const Game& game, Prompts& prompts, const OwnList& list)
    : QDialog(parent), prompts_(prompts) {
    setWindowTitle(QStringLiteral("Лист с анаграммами"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* form = new QFormLayout;
    selWords = new QSpinBox(this);
    selWords->setRange(kWorksheetMinWords, kWorksheetMaxWords);
    selWords->setValue(20);
    form->addRow(QStringLiteral("Количество слов:"), selWords);
    selLenSlov = new QComboBox(this);
    selLenSlov->addItem(QStringLiteral("разное"), 0);
    for (int n = 4; n <= kMaxLetters; ++n) selLenSlov->addItem(QString::number(n), n);
    const int fixed = selLenSlov->findData(game.OptKolBukv);
    if (fixed > 0) selLenSlov->setCurrentIndex(fixed);
    form->addRow(QStringLiteral("Букв в слове:"), selLenSlov);
    if (!list.words.empty()) {
        const QString title = list.title.empty() ? QString() : QStringLiteral(" «%1»").arg(fromUtf8(list.title));
        chSvoiSlova = new QCheckBox(
            QStringLiteral("Свои слова%1 (%2)").arg(title).arg(std::min<size_t>(list.words.size(), kWorksheetMaxWords)), this);
        const auto fromList = [this](bool checked) {
            selWords->setEnabled(!checked);
            selLenSlov->setEnabled(!checked);
        };
        connect(chSvoiSlova, &QCheckBox::toggled, this, fromList);
        chSvoiSlova->setChecked(game.own.has_value());
        fromList(chSvoiSlova->isChecked());
        form->addRow(chSvoiSlova);
    }
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmWorksheet::kOK_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->addSpacerItem(new QSpacerItem(captionWidth(*this), 0, QSizePolicy::Minimum, QSizePolicy::Fixed));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmWorksheet::kOK_Click() {
    // A count typed outside the range would otherwise fall back to the last
    // valid one without a word.
    if (fromList()) {
        accept();
        return;
    }
    bool number = false;
    const int n = selWords->cleanText().toInt(&number);
    if (!number || n < kWorksheetMinWords || n > kWorksheetMaxWords) {
        prompts_.error(QStringLiteral("Количество слов - от %1 до %2").arg(kWorksheetMinWords).arg(kWorksheetMaxWords));
        selWords->setFocus();
        selWords->selectAll();
        return;
    }
    selWords->setValue(n);
    accept();
}

int frmWorksheet::length() const {
    return selLenSlov->currentData().toInt();
}

void printWorksheet(QWidget* parent, Prompts& prompts, const Game& game, const Places& places, Random& random,
                    WorksheetOutput output, const OwnList& list) {
    frmWorksheet choice(parent, game, prompts, list);
    prompts.showModal(choice);
    if (choice.result() != QDialog::Accepted) return;
    const Worksheet sheet = choice.fromList() ? worksheetFromList(list, 0, random)
                                              : makeWorksheet(std::filesystem::path(game.PathData), choice.words(),
                                                              choice.length(), random);
    if (sheet.status != NewGameResult::Status::Ok) {
        prompts.error(fromUtf8(worksheetMessage(sheet)));
        return;
    }
    if (output == WorksheetOutput::Printer) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setFullPage(true); // the layout keeps its own margins
        printer.setDocName(QStringLiteral("Буквоклад"));
        QPrintDialog dialog(&printer, parent);
        prompts.showModal(dialog);
        if (dialog.result() != QDialog::Accepted) return;
        if (!paintWorksheet(printer, sheet)) prompts.error(QStringLiteral("Напечатать лист не удалось."));
        return;
    }

    if (output == WorksheetOutput::WebPage) {
        saveWebPage(prompts, places, QStringLiteral("Анаграммы.html"), [&] { return webPage(sheet); });
        return;
    }
    savePdfFile(prompts, places, QStringLiteral("Анаграммы.pdf"), [&] { return worksheetPdf(sheet); });
}

} // namespace smek::bukvoklad
