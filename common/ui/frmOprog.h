// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box, the same in all three programs.
#include "PictureBox.h"
#include "Prompts.h"
#include "common/core/UserFiles.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <string>

namespace smek {

// The maker's home page. Until the project publishes one, the link opens the
// program's own help page, so it works offline.
inline constexpr const char* kMakerHomePage = "";

// kMakerHomePage, or the help page's file URL while it is empty.
std::string makerPageAddress(const QString& helpPagePath);

class frmOprog : public QDialog {
    Q_OBJECT
public:
    frmOprog(QWidget* parent, Prompts& prompts, Places places, const QString& helpPagePath);

    void Label1_Click();

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    PictureBox* Picture1 = nullptr;
    QPushButton* OK = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Prompts& prompts_;
    Places places_;
    std::string address_;
};

} // namespace smek
