// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A pause of a game in play: the game's timers stop and a cover hides the
// playing area until the player resumes (the same key, the menu entry, or a
// click on the cover). The windows decide when a pause is allowed; this keeps
// the timers that were running and starts them again.
#include <QKeySequence>
#include <QLabel>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <vector>

namespace smek {

// The pause key: P, and the same key under a Russian layout, where it types З.
QList<QKeySequence> pauseKeys();

class PauseCover : public QLabel {
    Q_OBJECT
public:
    // area: the widget the cover hides (the window's client area); timers:
    // the game's clocks, stopped while paused.
    PauseCover(QWidget* area, std::vector<QTimer*> timers);

    bool paused() const { return !isHidden(); }
    void pause();
    // Ends the pause; the timers that ran before it run again.
    void resume();
    // Ends the pause without starting any timer (a new game or the end of one).
    void drop();

signals:
    void resumeRequested();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QTimer*> timers_;
    std::vector<QTimer*> wereRunning_;
    QPointer<QWidget> focusBefore_;
};

} // namespace smek
