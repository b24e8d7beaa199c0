// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmSlovolovSelLevel.h"

#include "common/ui/Geometry.h"
#include "common/ui/TypingFilter.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace smek::slovolov {
namespace {

const QColor kGrey(224, 224, 224);

void grey(QWidget* w) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, kGrey);
    pal.setColor(QPalette::Button, kGrey);
    w->setPalette(pal);
}

} // namespace

std::pair<QString, QString> frmSlovolovSelLevel::levelCaption(int index) {
    static const char* const rest[] = {"Поле 10x10, количество слов 6", "Поле 15x15, количество слов 12",
                                       "Поле 20x20, количество слов 20"};
    return {QString::number(index + 1) + QStringLiteral(" уровень:"), QString::fromUtf8(rest[index])};
}

QPixmap frmSlovolovSelLevel::levelPicture(int index, qreal ratio) {
    const auto [head, tail] = levelCaption(index);
    const QSize size(index == 0 ? 442 : 455, 19);
    QPixmap pix(size * ratio); // drawn at the screen's resolution, sized in logical pixels
    pix.setDevicePixelRatio(ratio);
    pix.fill(Qt::transparent); // the button's own grey shows through
    QPainter p(&pix);
    const QFont font = smek::serifFont(12, true);
    p.setFont(font);
    const QFontMetrics fm(font);
    const int base = (19 - fm.height()) / 2 + fm.ascent();
    p.setPen(QColor(0, 0, 255));
    p.drawText(0, base, head);
    p.setPen(QColor(255, 0, 0));
    p.drawText(fm.horizontalAdvance(head + QLatin1Char(' ')), base, tail);
    return pix;
}

int frmSlovolovSelLevel::leadingNumber(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' ')) ++i;
    long long n = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i)
        n = std::min<long long>(n * 10 + (text[i].unicode() - '0'), 1000000);
    return static_cast<int>(n);
}

frmSlovolovSelLevel::frmSlovolovSelLevel(QWidget* parent, Settings& settings, smek::Prompts& prompts,
                                         std::function<void()> newGame)
    : QDialog(parent), settings_(settings), prompts_(prompts), newGame_(std::move(newGame)) {
    setWindowTitle(QStringLiteral("Выбор уровня"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(495, 255);
    grey(this); // the buttons take their grey from here
    setAutoFillBackground(true);

    for (int i = 0; i < 3; ++i) {
        auto* b = new QPushButton(this);
        b->setGeometry(8, 8 + 48 * i, 481, 41);
        const QPixmap pix = levelPicture(i, devicePixelRatioF());
        b->setIcon(QIcon(pix));
        b->setIconSize(pix.deviceIndependentSize().toSize());
        // The picture's words, for a screen reader.
        b->setAccessibleName(levelCaption(i).first + QLatin1Char(' ') + levelCaption(i).second);
        connect(b, &QPushButton::clicked, this, [this, i] { kUroven_Click(i); });
        kUroven[static_cast<size_t>(i)] = b;
    }

    const auto styleCheck = [this](QCheckBox* c) {
        c->setFont(smek::serifFont(14.25, true));
        QPalette pal = c->palette();
        pal.setColor(QPalette::WindowText, QColor(192, 0, 192));
        pal.setColor(QPalette::Window, kGrey);
        c->setPalette(pal);
    };
    chNewBukvy = new QCheckBox(QStringLiteral("Замена найденного слова случайными буквами"), this);
    chNewBukvy->setGeometry(8, 152, 449, 22);
    styleCheck(chNewBukvy);
    chTime = new QCheckBox(QStringLiteral("Игра на время:"), this);
    chTime->setGeometry(8, 184, 153, 22);
    styleCheck(chTime);
    connect(chTime, &QCheckBox::clicked, this, &frmSlovolovSelLevel::chTime_Click);

    const auto timeField = [this](int left, const QStringList& items) {
        auto* box = new QComboBox(this);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->addItems(items);
        box->setFont(smek::serifFont(14.25));
        box->setGeometry(left, 180, 57, box->sizeHint().height());
        box->setCompleter(nullptr); // a typed "5" must stay 5, not complete to the listed 50
        new smek::TypingFilter(box, smek::dropsAllButDigits);
        smek::filterInsertedText(box->lineEdit(), smek::isDigit);
        return box;
    };
    txtMin = timeField(240, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                             QStringLiteral("5")});
    txtSec = timeField(392, {QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("40"),
                             QStringLiteral("50")});

    // Beyond the design: what each box counts, in the check boxes' look.
    const auto unit = [this](const QString& text, const QComboBox* box) {
        auto* l = new QLabel(text, this);
        l->setFont(smek::serifFont(14.25, true));
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, QColor(192, 0, 192));
        l->setPalette(pal);
        l->setGeometry(box->geometry().right() + 6, 184, l->sizeHint().width(), 22); // "сек" ends inside the dialog
    };
    unit(QStringLiteral("мин"), txtMin);
    unit(QStringLiteral("сек"), txtSec);

    kOtmena = new QPushButton(QStringLiteral("Отмена"), this);
    kOtmena->setGeometry(408, 216, 81, 33);
    kOtmena->setFont(smek::serifFont(12, true));
    // Enter outside the level buttons cancels rather than replacing the game
    // in play; a focused level button still takes Enter as a press.
    kOtmena->setDefault(true);
    connect(kOtmena, &QPushButton::clicked, this, &frmSlovolovSelLevel::kOtmena_Click);

    // Form_Load
    chNewBukvy->setChecked(settings_.ZamenaBukv == 1);
    chTime->setChecked(settings_.IgraNaVremya == 1);
    txtMin->setEditText(QString::number(settings_.VremyaMin));
    txtSec->setEditText(QString::number(settings_.VremyaSec));
    chTime_Click();
    kOtmena->setFocus();
}

void frmSlovolovSelLevel::chTime_Click() {
    txtMin->setEnabled(chTime->isChecked());
    txtSec->setEnabled(chTime->isChecked());
}

void frmSlovolovSelLevel::kUroven_Click(int index) {
    int m = 0, s = 0;
    if (chTime->isChecked()) {
        m = leadingNumber(txtMin->currentText());
        s = leadingNumber(txtSec->currentText());
        if (m + s == 0) {
            prompts_.error(QStringLiteral("Вы не установили время игры"));
            return;
        }
        if (m > 59 || s > 59) {
            prompts_.error(QStringLiteral("Максимальное количество минут или секунд - 59"));
            return;
        }
    }
    if (mayStart && !mayStart()) return;
    hide();
    QApplication::processEvents();
    settings_.Level = index;
    settings_.ZamenaBukv = chNewBukvy->isChecked() ? 1 : 0;
    settings_.IgraNaVremya = chTime->isChecked() ? 1 : 0;
    settings_.VremyaMin = m;
    settings_.VremyaSec = s;
    if (newGame_) newGame_();
    accept();
}

void frmSlovolovSelLevel::kOtmena_Click() {
    reject();
}

} // namespace smek::slovolov
