// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Свои слова…": the author's list of words, typed, pasted or opened from a
// text file, the order the games deal it in, and the words whose letters
// also spell another known word. Every dialog goes through Prompts.
#include "bukvoklad/core/OwnWords.h"
#include "bukvoklad/core/SecondAnswer.h"
#include "common/core/UserFiles.h"
#include "common/ui/Prompts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace smek::bukvoklad {

class frmSvoiSlova : public QDialog {
    Q_OBJECT
public:
    frmSvoiSlova(QWidget* parent, Prompts& prompts, const Places& places, KnownWords known, const KeptList& start);

    // The list as accepted ("Играть"): every word good and on the board.
    const KeptList& chosen() const { return chosen_; }

    void kOpen_Click();
    void kSave_Click();
    // "Играть": a list with a word that cannot be played is refused, naming
    // it; the dialog stays.
    void kOK_Click();

    QLineEdit* txtNazvanie = nullptr;
    QPlainTextEdit* txtSlova = nullptr;
    QRadioButton* optPoPoryadku = nullptr;
    QRadioButton* optVperemeshku = nullptr;
    QLabel* lblVtoroiOtvet = nullptr; // the words with a second answer, one a line
    QPushButton* kOpen = nullptr;
    QPushButton* kSave = nullptr;
    QDialogButtonBox* buttons = nullptr;

private:
    // The typed list, or after an error box none.
    std::optional<OwnList> goodList();
    void showSecondAnswers();

    Prompts& prompts_;
    Places places_;
    KnownWords known_;
    KeptList chosen_;
};

} // namespace smek::bukvoklad
