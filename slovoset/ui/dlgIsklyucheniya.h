// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small dialog in which the author edits the excluded words, one a line.
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>

namespace smek::slovoset {

class dlgIsklyucheniya : public QDialog {
    Q_OBJECT
public:
    // words: the list as it stands, one word a line.
    dlgIsklyucheniya(QWidget* parent, const QString& words);

    QLabel* lblPoyasnenie = nullptr;
    QPlainTextEdit* txtSlova = nullptr;
};

} // namespace smek::slovoset
