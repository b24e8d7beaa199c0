// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For start-up probes: ends the event loop at the first paint of the watched
// widget. exit(), not quit(): quitting closes the window, which would write
// the settings into the program folder.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

namespace smek {

class QuitOnPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        return false;
    }
};

} // namespace smek
