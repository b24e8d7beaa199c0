// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmOprog.h"

#include "Geometry.h"
#include "WebLinks.h"
#include "common/core/Version.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

namespace smek {
namespace {

const QColor kGrey(224, 224, 224);

// 77 x 133: a column of letter tiles spelling the family's name on a blue board.
QPixmap familyPicture() {
    QPixmap pix(77, 133);
    QPainter p(&pix);
    QLinearGradient sky(0, 0, 0, 133);
    sky.setColorAt(0, QColor(40, 90, 190));
    sky.setColorAt(1, QColor(10, 30, 90));
    p.fillRect(pix.rect(), sky);
    p.setRenderHint(QPainter::Antialiasing);
    const QString word = QStringLiteral("СМЕКАЛИЯ");
    QFont font = fontPt(QStringLiteral("Times New Roman"), 9, true);
    p.setFont(font);
    for (int i = 0; i < word.size(); ++i) {
        const int col = i % 2, row = i / 2;
        const QRectF tile(6 + col * 34, 8 + row * 31, 30, 27);
        p.setPen(QPen(QColor(120, 80, 20), 1));
        p.setBrush(QColor(250, 226, 160));
        p.drawRoundedRect(tile, 4, 4);
        p.setPen(QColor(60, 30, 0));
        QFont big = fontPt(QStringLiteral("Times New Roman"), 14, true);
        p.setFont(big);
        p.drawText(tile, Qt::AlignCenter, word.mid(i, 1));
    }
    return pix;
}

QLabel* textLine(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

} // namespace

std::string makerPageAddress(const QString& helpPagePath) {
    if (*kMakerHomePage) return kMakerHomePage;
    return QUrl::fromLocalFile(helpPagePath).toEncoded().toStdString();
}

frmOprog::frmOprog(QWidget* parent, Prompts& prompts, Places places, const QString& helpPagePath)
    : QDialog(parent), prompts_(prompts), places_(std::move(places)), address_(makerPageAddress(helpPagePath)) {
    setWindowTitle(QStringLiteral("О программе"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(tw(5310), tw(3240));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kGrey);
    pal.setColor(QPalette::Button, kGrey);
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(sansFont(12, true));

    OK = new QPushButton(QStringLiteral("OK"), this);
    OK->setGeometry(twRect(3840, 2580, 1335, 495));
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);

    Image1 = new QLabel(this);
    Image1->setGeometry(twRect(120, 120, 1155, 1995));
    Image1->setPixmap(familyPicture());

    textLine(this, QStringLiteral("Смекалия: игры со словами"), twRect(1560, 120, 3700, 300));
    textLine(this, QStringLiteral("для всей семьи"), twRect(1560, 480, 3700, 300));
    // Until the project has a home page the link opens the help page: it says
    // so, and the longer word moves the link to the right.
    const bool site = *kMakerHomePage;
    const int linkLeft = site ? 2280 : 2760;
    textLine(this, site ? QStringLiteral("Сайт:") : QStringLiteral("Справка:"), twRect(1560, 840, linkLeft - 1560, 300));

    Label1 = new QLabel(QStringLiteral("Думай и играй!"), this);
    Label1->setGeometry(twRect(linkLeft, 840, 5025 - linkLeft, 300));
    QPalette linkPal = Label1->palette();
    linkPal.setColor(QPalette::WindowText, QColor(0, 0, 192));
    Label1->setPalette(linkPal);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setFocusPolicy(Qt::TabFocus);
    Label1->installEventFilter(this);

    textLine(this, QStringLiteral("Версия: v") + QString::fromUtf8(kVersion), twRect(1560, 1200, 1560, 300));
    textLine(this, QStringLiteral("Дата: 1 сентября 2008 года -"), twRect(1560, 1560, 3585, 300));
    textLine(this, QStringLiteral("30 июля 2015 года"), twRect(2400, 1920, 2235, 300));

    // Etched rule: a dark line over a light one.
    auto* line1 = new QFrame(this);
    line1->setGeometry(tw(120), tw(2400), tw(5160) - tw(120), 1);
    line1->setStyleSheet(QStringLiteral("background: #808080"));
    auto* line2 = new QFrame(this);
    line2->setGeometry(tw(120), tw(2415), tw(5160) - tw(120), 1);
    line2->setStyleSheet(QStringLiteral("background: #ffffff"));

    Picture1 = new PictureBox(this);
    Picture1->setGeometry(twRect(120, 2520, 1200, 675));
    Picture1->setOuterSize(80, 45);
    Picture1->clear();
    Picture1->fillRect(0, 15, 79, 30, QColor(0, 0, 255));
    Picture1->fillRect(0, 31, 79, 45, QColor(255, 0, 0));

    setTabOrder(OK, Label1);
    OK->setFocus();
}

void frmOprog::Label1_Click() {
    setCursor(Qt::WaitCursor);
    SaveFileUrl(prompts_, places_, address_);
    unsetCursor();
}

bool frmOprog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label1) {
        const bool clicked = event->type() == QEvent::MouseButtonRelease &&
                             static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        const bool keyed = event->type() == QEvent::KeyPress &&
                           (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space ||
                            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return);
        if (clicked || keyed) {
            Label1_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace smek
