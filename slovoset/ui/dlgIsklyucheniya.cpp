// SPDX-License-Identifier: GPL-3.0-or-later
#include "dlgIsklyucheniya.h"

#include "common/ui/Geometry.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace smek::slovoset {

dlgIsklyucheniya::dlgIsklyucheniya(QWidget* parent, const QString& words) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Исключённые слова"));
    setFont(smek::sansFont(9.75));
    auto* layout = new QVBoxLayout(this);
    lblPoyasnenie = new QLabel(
        QStringLiteral("Слова, которых не будет в новых словосетях (по одному в строке).\n"
                       "Сохранённые игры они не меняют."),
        this);
    layout->addWidget(lblPoyasnenie);
    txtSlova = new QPlainTextEdit(this);
    txtSlova->setPlainText(words);
    txtSlova->setFont(smek::sansFont(12, true));
    txtSlova->setTabChangesFocus(true);
    layout->addWidget(txtSlova);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(smek::tw(5400), smek::tw(6000));
}

} // namespace smek::slovoset
