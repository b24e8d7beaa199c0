// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmOptions.h"

#include "bukvoklad/core/Options.h"
#include "common/ui/Geometry.h"
#include "common/ui/Text.h"
#include "common/ui/TypingFilter.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>

namespace smek::bukvoklad {
namespace {

const QColor kGrey(0xE0, 0xE0, 0xE0);

void paintBackground(QWidget* widget, const QColor& back, const QColor& text = QColor()) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::Button, back);
    if (text.isValid()) pal.setColor(QPalette::WindowText, text);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

QCheckBox* optionBox(const QString& caption, QWidget* parent, const QRect& where) {
    auto* box = new QCheckBox(caption, parent);
    box->setGeometry(where);
    box->setFont(serifFont(14.25, true));
    paintBackground(box, kGrey, QColor(192, 0, 192));
    return box;
}

QPushButton* button(const QString& caption, QWidget* parent, const QRect& where) {
    auto* b = new QPushButton(caption, parent);
    b->setGeometry(where);
    b->setFont(serifFont(12, true));
    b->setAutoDefault(true); // Enter presses a focused button, as Space does
    paintBackground(b, kGrey);
    return b;
}

} // namespace

frmOptions::frmOptions(QWidget* parent, Game& game, Prompts& prompts, std::function<void()> newGame)
    : QDialog(parent), game_(game), prompts_(prompts), newGame_(std::move(newGame)) {
    setWindowTitle(QStringLiteral("Опции"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(tw(5985), tw(1680));
    paintBackground(this, kGrey);

    // Created in tab order.
    chKolBukv = optionBox(QStringLiteral("Выбрать количество букв в слове"), this, twRect(120, 120, 4815, 330));
    selKolBuukv = new QComboBox(this);
    selKolBuukv->setGeometry(tw(5040), tw(60), tw(855), tw(435));
    selKolBuukv->setFont(serifFont(14.25));
    selKolBuukv->setEnabled(false);

    chTime = optionBox(QStringLiteral("Игра на время:    секунды"), this, twRect(120, 600, 3735, 330));
    txtSec = new QComboBox(this);
    txtSec->setEditable(true);
    txtSec->setInsertPolicy(QComboBox::NoInsert);
    txtSec->setCompleter(nullptr); // a typed "5" must stay 5, not complete to the listed 50
    txtSec->setGeometry(tw(3960), tw(540), tw(855), tw(435));
    txtSec->setFont(serifFont(14.25));
    txtSec->addItems({QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("40"),
                      QStringLiteral("50")});
    txtSec->setEnabled(false);
    // The combo box takes the keys and hands them to its line edit directly,
    // so the key filter sits on the box; pasted text meets the validator.
    new TypingFilter(txtSec, dropsAllButDigits);
    filterInsertedText(txtSec->lineEdit(), isDigit);

    kOK = button(QStringLiteral("OK"), this, twRect(3360, 1080, 1215, 495));
    kOtmena = button(QStringLiteral("Отмена"), this, twRect(4680, 1080, 1215, 495));

    connect(chKolBukv, &QCheckBox::toggled, this, &frmOptions::chKolBukv_Click);
    connect(chTime, &QCheckBox::toggled, this, &frmOptions::chTime_Click);
    connect(kOK, &QPushButton::clicked, this, &frmOptions::kOK_Click);
    connect(kOtmena, &QPushButton::clicked, this, &frmOptions::kOtmena_Click);
    Form_Load();
}

void frmOptions::Form_Load() {
    for (const std::string& item : lengthItems()) selKolBuukv->addItem(fromUtf8(item));
    selKolBuukv->setCurrentIndex(-1);
    const OptionsView view = optionsViewOf(game_);
    chKolBukv->setChecked(view.kolBukvChecked);
    if (!view.selectedLength.empty()) selKolBuukv->setCurrentText(fromUtf8(view.selectedLength));
    chTime->setChecked(view.timeChecked);
    txtSec->setEditText(fromUtf8(view.secText));
}

void frmOptions::chKolBukv_Click() {
    selKolBuukv->setEnabled(chKolBukv->isChecked());
}

void frmOptions::chTime_Click() {
    txtSec->setEnabled(chTime->isChecked());
}

void frmOptions::kOK_Click() {
    const QString length = selKolBuukv->currentIndex() < 0 ? QString() : selKolBuukv->currentText();
    const int kolBukv = game_.OptKolBukv, time = game_.OptTime, sec = game_.OptSec;
    const OptionsCheck check =
        applyOptions(game_, chKolBukv->isChecked(), toCp1251(length), chTime->isChecked(), toCp1251(txtSec->currentText()));
    if (check != OptionsCheck::Ok) {
        prompts_.error(fromUtf8(optionsMessage(check)));
        return;
    }
    if (mayStart && !mayStart()) {
        game_.OptKolBukv = kolBukv;
        game_.OptTime = time;
        game_.OptSec = sec;
        return;
    }
    hide();
    QCoreApplication::processEvents(); // the main window repaints before the new board
    newGame_();
    accept();
}

void frmOptions::kOtmena_Click() {
    reject();
}

} // namespace smek::bukvoklad
