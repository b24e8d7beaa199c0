// SPDX-License-Identifier: GPL-3.0-or-later
#include "PauseCover.h"

#include "Geometry.h"

#include <QEvent>
#include <QMouseEvent>

namespace smek {

QList<QKeySequence> pauseKeys() {
    return {QKeySequence(Qt::Key_P), QKeySequence(QChar(u'З').unicode())};
}

PauseCover::PauseCover(QWidget* area, std::vector<QTimer*> timers)
    : QLabel(QStringLiteral("Пауза\n\nНажмите P или щёлкните здесь, чтобы продолжить"), area), timers_(std::move(timers)) {
    setAlignment(Qt::AlignCenter);
    setFont(serifFont(14.25, true));
    setAutoFillBackground(true);
    setGeometry(area->rect());
    area->installEventFilter(this);
    hide();
}

void PauseCover::pause() {
    if (paused()) return;
    wereRunning_.clear();
    for (QTimer* t : timers_)
        if (t->isActive()) {
            wereRunning_.push_back(t);
            t->stop();
        }
    focusBefore_ = window()->focusWidget();
    setGeometry(parentWidget()->rect());
    raise();
    show();
    // Focus only once paused: keys go to the cover, not to the hidden board or
    // answer box. A label that may take focus lays its text out as a document,
    // which at start-up would cost the window a font it does not show yet.
    setFocusPolicy(Qt::StrongFocus);
    setFocus();
}

void PauseCover::resume() {
    if (!paused()) return;
    for (QTimer* t : wereRunning_) t->start();
    drop();
    if (focusBefore_) focusBefore_->setFocus();
}

void PauseCover::drop() {
    wereRunning_.clear();
    hide();
}

void PauseCover::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit resumeRequested();
}

bool PauseCover::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return QLabel::eventFilter(watched, event);
}

} // namespace smek
