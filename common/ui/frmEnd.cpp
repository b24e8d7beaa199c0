// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmEnd.h"

#include "Geometry.h"
#include "Text.h"

#include <QLineEdit>
#include <QPalette>

namespace smek {
namespace {

void setBackgroundColour(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    pal.setColor(QPalette::Button, colour);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

} // namespace

frmEnd::frmEnd(QWidget* parent, int proigrysh, Random* random)
    : QDialog(parent), banner_(bannerForResult(proigrysh)), random_(random) {
    Form_Load(false);
}

frmEnd::frmEnd(QWidget* parent, int ugadano, int maxSpisok, QLineEdit* answerBox, Random* random)
    : QDialog(parent), banner_(bannerForScore(ugadano, maxSpisok)), random_(random) {
    if (answerBox) {
        // No further answer can be typed once the game is over.
        answerBox->setEnabled(false);
        QPalette pal = answerBox->palette();
        const QColor back = answerBox->window()->palette().color(QPalette::Window);
        pal.setColor(QPalette::Base, back);
        pal.setColor(QPalette::Disabled, QPalette::Base, back);
        answerBox->setPalette(pal);
        answerBox->clear();
    }
    Form_Load(true);
    Label1->setText(fromUtf8(scoreLine(ugadano, maxSpisok)));
}

void frmEnd::Form_Load(bool scoreVariant) {
    if (!random_) {
        ownRandom_ = std::make_unique<Random>(Random::fromClock());
        random_ = ownRandom_.get();
    }
    setWindowTitle(QStringLiteral("Конец игры"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    const QColor back = scoreVariant ? QColor(192, 192, 192) : QColor(224, 224, 224);
    setFixedSize(tw(7560), tw(scoreVariant ? 2730 : 2265));
    setBackgroundColour(this, back);
    setFont(sansFont(12, true));

    Picture1 = new PictureBox(this);
    Picture1->setBackground(back);
    Picture1->setDrawFont(serifFont(36, true));
    const QString text = fromUtf8(banner_.text);
    const int width = Picture1->textWidth(text) + 4;
    Picture1->setOuterSize(width, tw(1260));
    Picture1->move((this->width() - width) / 2, tw(120));
    Picture1->clear();

    OK = new QPushButton(QStringLiteral("OK"), this);
    OK->setGeometry(scoreVariant ? twRect(6120, 2160, 1335, 495) : twRect(6120, 1680, 1335, 495));
    setBackgroundColour(OK, back);
    OK->setDefault(true);
    OK->setFocus();
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);

    if (scoreVariant) {
        Label1 = new QLabel(QStringLiteral("Отгадано слов:"), this);
        Label1->setGeometry(twRect(120, 1680, 7335, 255));
        Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        QPalette pal = Label1->palette();
        pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
        Label1->setPalette(pal);
    }

    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &frmEnd::Timer1_Timer);
    Timer1->start();
}

void frmEnd::Timer1_Timer() {
    const QString text = fromUtf8(banner_.text);
    const std::vector<int> offsets = danceOffsets(*random_, static_cast<int>(text.size()));
    Picture1->clear();
    const auto pass = [&](int dx, int dy, const QColor& colour) {
        int x = dx;
        for (qsizetype j = 0; j < text.size(); ++j) {
            const QString letter = text.mid(j, 1);
            Picture1->text(x, offsets[static_cast<size_t>(j)] + dy, letter, colour);
            x += Picture1->textWidth(letter);
        }
    };
    pass(4, 4, Qt::black);
    pass(0, 0, QColor::fromRgb(banner_.rgb));
}

} // namespace smek
