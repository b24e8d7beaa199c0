// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Своя головоломка": the author's title and words, the grid size and the
// directions; the list read from and written to its text file. Nothing of the
// game changes until the words fit: a refusal names them and the dialog stays.
#include "common/core/OwnList.h"
#include "common/core/Random.h"
#include "common/core/UserFiles.h"
#include "common/ui/Prompts.h"
#include "slovolov/core/OwnPuzzle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>

namespace smek::slovolov {

class OwnPuzzleDialog : public QDialog {
    Q_OBJECT
public:
    // play: takes the built game and says whether it is played (the question
    // before a game in progress is lost may say no; the dialog stays open).
    OwnPuzzleDialog(QWidget* parent, smek::Prompts& prompts, smek::Places places, const Settings& settings,
                    smek::Random& random, std::function<bool(GameState&&)> play);

    // The fields from a list (the remembered one when the dialog opens).
    void showList(const OwnList& list);

    void kIgrat_Click();
    void kOtkrytSpisok_Click();
    void kSohranitSpisok_Click();

    QLineEdit* txtTitle = nullptr;
    QPlainTextEdit* txtWords = nullptr;
    QComboBox* cmbSize = nullptr; // 10, 15, 20 cells a side
    QCheckBox* chAllDirections = nullptr;
    QPushButton* kOtkrytSpisok = nullptr;
    QPushButton* kSohranitSpisok = nullptr;
    QPushButton* kIgrat = nullptr;
    QPushButton* kOtmena = nullptr;

private:
    // The typed words, or nullopt after the refusal was shown.
    std::optional<OwnList> checkedList();

    smek::Prompts& prompts_;
    smek::Places places_;
    Settings settings_;
    smek::Random& random_;
    std::function<bool(GameState&&)> play_;
};

// The file that keeps the author's last list between runs.
std::filesystem::path rememberedListFile(const smek::Places& places);
// The remembered list; empty when there is none or it does not read.
OwnList rememberedList(const smek::Places& places);

} // namespace smek::slovolov
