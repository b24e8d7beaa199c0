// SPDX-License-Identifier: GPL-3.0-or-later
#include "usrMyWeb.h"

#include <QKeyEvent>
#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace smek::slovoset {

usrMyWeb::usrMyWeb(QWidget* parent) : QWidget(parent) {
    WebBrowser1 = new QTextBrowser(this);
    // No links are followed and nothing is loaded from outside the string shown.
    WebBrowser1->setOpenLinks(false);
    WebBrowser1->setOpenExternalLinks(false);
    WebBrowser1->setTextInteractionFlags(Qt::NoTextInteraction);
    WebBrowser1->setContextMenuPolicy(Qt::NoContextMenu);
    WebBrowser1->viewport()->setContextMenuPolicy(Qt::NoContextMenu);
    WebBrowser1->setFocusPolicy(Qt::StrongFocus);
    WebBrowser1->installEventFilter(this);
    WebBrowser1->viewport()->installEventFilter(this);
    LoadPusto();
}

void usrMyWeb::LoadHtml(const QString& html) {
    WebBrowser1->setHtml(html);
}

void usrMyWeb::LoadPusto() {
    LoadHtml(QStringLiteral("<html><body></body></html>"));
}

bool usrMyWeb::mDoc_onkeydown(QKeyEvent* event) {
    QScrollBar* bar = WebBrowser1->verticalScrollBar();
    switch (event->key()) {
    case Qt::Key_Up: bar->triggerAction(QAbstractSlider::SliderSingleStepSub); return true;
    case Qt::Key_Down: bar->triggerAction(QAbstractSlider::SliderSingleStepAdd); return true;
    // Focus may still leave the view.
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return false;
    default: return true;
    }
}

bool usrMyWeb::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: return mDoc_onkeydown(static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease: return true;
    // Dragging, double clicks and drops select or change nothing.
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::DragEnter:
    case QEvent::Drop:
    case QEvent::ContextMenu: return watched == WebBrowser1->viewport() || event->type() == QEvent::ContextMenu;
    default: return QWidget::eventFilter(watched, event);
    }
}

int usrMyWeb::scrollTop() const {
    return WebBrowser1->verticalScrollBar()->value();
}

void usrMyWeb::setScrollTop(int pixels) {
    // The page's height is known only once it is laid out.
    (void)WebBrowser1->document()->documentLayout()->documentSize();
    WebBrowser1->verticalScrollBar()->setValue(pixels);
}

int usrMyWeb::showMark(int marks) {
    const QTextDocument* doc = WebBrowser1->document();
    (void)doc->documentLayout()->documentSize();
    const int end = doc->characterCount();
    int pos = 0;
    for (int seen = 0; pos < end; ++pos) {
        const QChar c = doc->characterAt(pos);
        // Blanks, line breaks and the marks where the table's cell begins and ends.
        if (c.isSpace() || c.unicode() == 0xFDD0 || c.unicode() == 0xFDD1) continue;
        if (seen++ == marks) break;
    }
    if (pos >= end) return -1;
    QTextCursor cursor(WebBrowser1->document());
    cursor.setPosition(pos);
    const QRect place = WebBrowser1->cursorRect(cursor);
    const QRect seen = WebBrowser1->viewport()->rect();
    if (!seen.contains(place)) {
        QScrollBar* bar = WebBrowser1->verticalScrollBar();
        bar->setValue(bar->value() + place.top() - seen.height() / 3);
    }
    return pos;
}

void usrMyWeb::setCoveredTop(int pixels) {
    coveredTop_ = std::clamp(pixels, 0, height());
    placeBrowser();
}

void usrMyWeb::placeBrowser() {
    WebBrowser1->setGeometry(0, coveredTop_, width(), height() - coveredTop_);
}

void usrMyWeb::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (window()->isMinimized()) return;
    placeBrowser();
}

} // namespace smek::slovoset
