// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The level-selection dialog.
#include "common/ui/Prompts.h"
#include "slovolov/core/Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <array>
#include <functional>
#include <utility>

namespace smek::slovolov {

class frmSlovolovSelLevel : public QDialog {
    Q_OBJECT
public:
    // newGame runs NewGame (0) of the main window once a level is chosen.
    frmSlovolovSelLevel(QWidget* parent, Settings& settings, smek::Prompts& prompts, std::function<void()> newGame);

    // Beyond the design: asked after the checks, before anything changes;
    // false keeps the dialog open and the game in play.
    std::function<bool()> mayStart;

    void chTime_Click();
    void kUroven_Click(int index);
    void kOtmena_Click();

    std::array<QPushButton*, 3> kUroven{};
    QCheckBox* chNewBukvy = nullptr;
    QCheckBox* chTime = nullptr;
    QComboBox* txtMin = nullptr;
    QComboBox* txtSec = nullptr;
    QPushButton* kOtmena = nullptr;

    // The number at the start of a field's text; 0 when there is none.
    static int leadingNumber(const QString& text);
    // The picture of a level button: "N уровень:" in blue, the rest in red.
    // "1 уровень:" and what the level is, in two colours on its button.
    static std::pair<QString, QString> levelCaption(int index);
    static QPixmap levelPicture(int index, qreal ratio = 1);

private:
    Settings& settings_;
    smek::Prompts& prompts_;
    std::function<void()> newGame_;
};

} // namespace smek::slovolov
