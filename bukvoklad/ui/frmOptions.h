// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options dialog: a fixed word length and a time limit.
#include "bukvoklad/core/Game.h"
#include "common/ui/Prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <functional>

namespace smek::bukvoklad {

class frmOptions : public QDialog {
    Q_OBJECT
public:
    // newGame starts a game with the new settings once "OK" accepts them.
    frmOptions(QWidget* parent, Game& game, Prompts& prompts, std::function<void()> newGame);

    // Beyond the design: asked once the settings pass the checks; false keeps
    // the dialog open, the settings and the game in play as they were.
    std::function<bool()> mayStart;

    void chKolBukv_Click();
    void chTime_Click();
    void kOK_Click();
    void kOtmena_Click();

    QCheckBox* chKolBukv = nullptr;
    QComboBox* selKolBuukv = nullptr;
    QCheckBox* chTime = nullptr;
    QComboBox* txtSec = nullptr;
    QPushButton* kOK = nullptr;
    QPushButton* kOtmena = nullptr;

private:
    void Form_Load();

    Game& game_;
    Prompts& prompts_;
    std::function<void()> newGame_;
};

} // namespace smek::bukvoklad
