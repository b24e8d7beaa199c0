// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The end-of-game banner: big dancing letters over a black shadow, an OK button,
// and in the hidden-word variant a score line.
#include "../core/EndBanner.h"
#include "../core/Random.h"
#include "PictureBox.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <memory>

class QLineEdit;

namespace smek {

class frmEnd : public QDialog {
    Q_OBJECT
public:
    // Word-search and compose-a-word: 0 = won, otherwise the time ran out.
    frmEnd(QWidget* parent, int proigrysh, Random* random = nullptr);
    // Hidden-word: the score variant; the main window's answer box is disabled
    // and emptied as the banner loads.
    frmEnd(QWidget* parent, int ugadano, int maxSpisok, QLineEdit* answerBox, Random* random = nullptr);

    // One frame of the dance (Timer1 ticks every 100 ms).
    void Timer1_Timer();

    const Banner& banner() const { return banner_; }
    PictureBox* Picture1 = nullptr;
    QLabel* Label1 = nullptr; // score line, hidden-word variant only
    QPushButton* OK = nullptr;
    QTimer* Timer1 = nullptr;

private:
    void Form_Load(bool scoreVariant);

    Banner banner_;
    std::unique_ptr<Random> ownRandom_;
    Random* random_;
};

} // namespace smek
