// SPDX-License-Identifier: GPL-3.0-or-later
#include "usrSlova.h"

#include "common/ui/Geometry.h"
#include "common/ui/Text.h"
#include "usrSlovaIcons.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>

namespace smek::slovoset {
namespace {

constexpr int kTitleHeight = 16;
constexpr int kBorder = 2;
constexpr int kScrollWidth = 17;

QColor rgb(unsigned value) {
    return QColor::fromRgb(static_cast<QRgb>(value));
}

// The navigation keys by their Windows codes; 0 for every other key.
int windowsKeyCode(int qtKey) {
    switch (qtKey) {
    case Qt::Key_PageUp: return kKeyPageUp;
    case Qt::Key_PageDown: return kKeyPageDown;
    case Qt::Key_End: return kKeyEnd;
    case Qt::Key_Home: return kKeyHome;
    case Qt::Key_Up: return kKeyUp;
    case Qt::Key_Down: return kKeyDown;
    default: return 0;
    }
}

// Line texts that are too wide for the text area are drawn smaller, down to
// this size, and cut with "…" below it; the tooltip holds the whole line.
constexpr double kListPt = 12;
constexpr double kSmallestPt = 8;
constexpr int kTextLeft = 28;

struct FittedLine {
    QFont font;
    QString text;
};

FittedLine fitLine(const QString& text, int width) {
    for (double pt = kListPt; pt >= kSmallestPt; pt -= 0.5) {
        const QFont font = smek::sansFont(pt, true);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width) return {font, text};
    }
    const QFont smallest = smek::sansFont(kSmallestPt, true);
    return {smallest, QFontMetrics(smallest).elidedText(text, Qt::ElideRight, width)};
}

} // namespace

usrSlova::usrSlova(QWidget* parent) : QWidget(parent) {

    lblSavPertiya = new QLabel(QStringLiteral("Список найденных слов:"), this);
    lblSavPertiya->setFont(smek::sansFont(9.75, true));
    lblSavPertiya->setGeometry(0, 0, kListWidth + 2 * kBorder + kScrollWidth, kTitleHeight);

    const int boxHeight = kVisibleLines * kLineHeight;
    picFrame = new QFrame(this);
    picFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picFrame->setLineWidth(kBorder);
    picFrame->setGeometry(0, kTitleHeight, kListWidth + 2 * kBorder, boxHeight + 2 * kBorder);

    picBox = new QWidget(picFrame);
    picBox->setGeometry(kBorder, kBorder, kListWidth, boxHeight);
    picBox->setAutoFillBackground(true);
    QPalette white = picBox->palette();
    white.setColor(QPalette::Window, Qt::white);
    picBox->setPalette(white);

    picList = new smek::PictureBox(picBox);
    picList->setBackground(Qt::white);
    picList->setDrawFont(smek::sansFont(kListPt, true));
    picKnopka = drawStateIcons(picList->pixelRatio());
    picKnopka2 = drawPressedIcons(picList->pixelRatio());
    picList->setFocusPolicy(Qt::StrongFocus);
    picList->installEventFilter(this);
    picBox->installEventFilter(this);
    connect(picList, &smek::PictureBox::mouseDown, this, [this](Qt::MouseButton, int x, int y) { picList_MouseDown(x, y); });
    connect(picList, &smek::PictureBox::mouseUp, this, [this](Qt::MouseButton, int x, int y) { picList_MouseUp(x, y); });
    // A click on the empty part of the list or on the bar leaves the keys with the list.
    picBox->setFocusProxy(picList);

    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setGeometry(picFrame->width(), kTitleHeight, kScrollWidth, picFrame->height());
    VScroll1->setFocusPolicy(Qt::NoFocus);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(kVisibleLines);
    connect(VScroll1, &QScrollBar::valueChanged, this, &usrSlova::VScroll1_Change);

    setFixedSize(VScroll1->geometry().right() + 1, picFrame->geometry().bottom() + 1);
    Start();
}

int usrSlova::heightFor(int lines) {
    return kTitleHeight + lines * kLineHeight + 2 * kBorder;
}

void usrSlova::setVisibleLines(int n) {
    n = std::max(n, kVisibleLines);
    if (n == state_.visibleLines) return;
    state_.visibleLines = n;
    const int boxHeight = n * kLineHeight;
    picFrame->resize(picFrame->width(), boxHeight + 2 * kBorder);
    picBox->resize(picBox->width(), boxHeight);
    VScroll1->resize(VScroll1->width(), picFrame->height());
    VScroll1->setPageStep(n);
    setFixedSize(width(), heightFor(n));
    // The lines shown change: the scroll range and the top follow.
    ShowScroll();
    if (state_.top > state_.scrollMax()) VScroll1->setValue(state_.scrollMax());
    else VScroll1_Change(VScroll1->value());
}

void usrSlova::Start() {
    state_.Start();
    picList->setOuterSize(kListWidth, 1);
    picList->clear();
    VScroll1->setRange(0, 0);
    VScroll1->setValue(0);
    VScroll1->setEnabled(false);
    picList->move(0, 0);
}

void usrSlova::ShowScroll() {
    if (!state_.scrollEnabled()) {
        VScroll1->setEnabled(false);
        VScroll1->setRange(0, 0);
    } else {
        VScroll1->setRange(0, state_.scrollMax());
        VScroll1->setEnabled(true);
    }
}

void usrSlova::VScroll1_Change(int value) {
    state_.setTop(value);
    picList->move(0, -state_.top * kLineHeight);
}

void usrSlova::PrintLine(unsigned colour) {
    const int line = state_.NomLine;
    if (line < 0 || line >= state_.KolLine) return;
    const int y = kLineHeight * line;
    picList->fillRect(26, y, kListWidth, y + kLineHeight - 1, rgb(colour));
    const FittedLine fitted = fitLine(lineToolTip(line), kListWidth - kTextLeft);
    const QFont listFont = picList->drawFont();
    picList->setDrawFont(fitted.font);
    // A smaller font sits in the middle of the line, as the list's own does.
    const int shift = (QFontMetrics(listFont).height() - QFontMetrics(fitted.font).height()) / 2;
    picList->text(kTextLeft, y + 1 + shift, fitted.text, Qt::black);
    picList->setDrawFont(listFont);
}

QString usrSlova::lineToolTip(int line) const {
    if (line < 0 || line >= state_.KolLine) return {};
    const LineWord word = wordOfLine(line);
    return smek::fromCp1251(lineText(line, word.slovo, word.vybrano, typGame()));
}

void usrSlova::drawIcon(int line) {
    if (line < 0 || line >= state_.KolLine) return;
    const LineWord word = wordOfLine(line);
    picList->paste(2, kLineHeight * line, picKnopka[iconElement(word.vybrano, word.otgadano, typGame())]);
}

void usrSlova::AddSlovo() {
    state_.AddLine();
    picList->setOuterSize(kListWidth, state_.KolLine * kLineHeight);
    ShowScroll();
    drawIcon(state_.NomLine);
    PrintLine(state_.KolLine == 1 ? kHighlightRgb : kNormalRgb);
    state_.NomLine = 0;
}

void usrSlova::moveHighlight(int from) {
    const int to = state_.NomLine;
    if (from != to) {
        state_.NomLine = from;
        PrintLine(kNormalRgb);
        state_.NomLine = to;
    }
    PrintLine(kHighlightRgb);
}

void usrSlova::ShowLineSlovo(int line) {
    if (line < 0 || line >= state_.KolLine) return;
    const int from = state_.NomLine;
    state_.NomLine = line;
    moveHighlight(from);
    drawIcon(line);
    // In a long list the player sees the line that was just opened.
    scrollToShow(line);
}

void usrSlova::scrollToShow(int line) {
    const int top = state_.topShowing(line);
    if (top != VScroll1->value()) VScroll1->setValue(top);
}

void usrSlova::picList_MouseDown(int x, int y) {
    const bool taken = state_.mouseDown(x, y, gotovo(), typGame(),
                                        [this](int line) { return wordOfLine(line).vybrano; });
    if (taken && state_.TypNajat == kZoneIcon) {
        const int vybrano = wordOfLine(state_.LineNajat).vybrano;
        picList->paste(2, kLineHeight * state_.LineNajat, picKnopka2[pressedIconElement(vybrano, typGame())]);
    }
}

void usrSlova::picList_MouseUp(int x, int y) {
    const int from = state_.NomLine;
    switch (state_.mouseUp(x, y)) {
    case usrSlovaState::Release::Ignored:
        // A click on the current line's text moves nothing but still shows its word.
        if (gotovo() && state_.lineAt(x, y) == from && releaseZone(x) == kZoneText) emit lineChosen(from);
        return;
    case usrSlovaState::Release::CancelledIcon: drawIcon(state_.LineNajat); return;
    case usrSlovaState::Release::Highlight:
        moveHighlight(from);
        emit lineChosen(state_.NomLine);
        return;
    case usrSlovaState::Release::IconClick:
        moveHighlight(from);
        emit iconClicked(state_.NomLine);
        emit lineChosen(state_.NomLine);
        return;
    }
}

void usrSlova::picList_Space() {
    const int line = state_.NomLine;
    if (!gotovo() || line < 0 || line >= state_.KolLine) return;
    if (!iconActs(typGame(), wordOfLine(line).vybrano)) return;
    emit iconClicked(line);
    emit lineChosen(line);
}

void usrSlova::contextMenu(const QContextMenuEvent& event) {
    if (typGame() != 1 || !gotovo()) return;
    // The menu key acts on the current line; a right click first makes its line current.
    const bool byMouse = event.reason() == QContextMenuEvent::Mouse;
    const int line = byMouse ? state_.lineAt(event.pos().x(), event.pos().y()) : state_.NomLine;
    if (line < 0 || line >= state_.KolLine) return;
    if (line != state_.NomLine) {
        const int from = state_.NomLine;
        state_.NomLine = line;
        moveHighlight(from);
    }
    QMenu menu(this);
    const QAction* exclude = menu.addAction(excludeCaption(line));
    const QPoint at = byMouse ? event.globalPos() : picList->mapToGlobal(QPoint(kTextLeft, kLineHeight * (line + 1)));
    if (menu.exec(at) == exclude) emit excludeRequested(line);
}

QString usrSlova::excludeCaption(int line) const {
    return QStringLiteral("Исключить слово «") + smek::fromCp1251(wordOfLine(line).slovo) + QStringLiteral("»");
}

void usrSlova::picList_KeyDown(int key) {
    const usrSlovaState::Move move = state_.keyDown(key);
    if (!move.moved) return;
    moveHighlight(move.from);
    if (VScroll1->value() != state_.top) VScroll1->setValue(state_.top);
}

void usrSlova::scrollByWheel(QWheelEvent* event) {
    event->accept();
    if (!VScroll1->isEnabled()) return;
    // A notch (120) scrolls the system's number of lines; finer wheels add up.
    wheelRest_ += event->angleDelta().y();
    const int notches = wheelRest_ / 120;
    wheelRest_ %= 120;
    if (notches != 0) VScroll1->setValue(VScroll1->value() - notches * QApplication::wheelScrollLines());
}

bool usrSlova::eventFilter(QObject* watched, QEvent* event) {
    // The lines and the white box around them scroll like the bar beside them.
    if ((watched == picList || watched == picBox) && event->type() == QEvent::Wheel) {
        scrollByWheel(static_cast<QWheelEvent*>(event));
        return true;
    }
    if (watched == picList && event->type() == QEvent::ToolTip) {
        const QPoint at = static_cast<QHelpEvent*>(event)->pos();
        const QString tip = lineToolTip(state_.lineAt(at.x(), at.y()));
        if (tip.isEmpty()) QToolTip::hideText();
        else QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, picList);
        return true;
    }
    if (watched == picList && event->type() == QEvent::ContextMenu) {
        contextMenu(*static_cast<QContextMenuEvent*>(event));
        return true;
    }
    if (watched == picList && event->type() == QEvent::KeyPress) {
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
            picList_Space();
            return true;
        }
        const int key = windowsKeyCode(static_cast<QKeyEvent*>(event)->key());
        if (key != 0) {
            picList_KeyDown(key);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace smek::slovoset
