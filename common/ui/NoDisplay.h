// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For the command-line tools that draw PDFs: Qt's offscreen platform,
// whatever the session has, so that no display is ever asked for; Qt's own
// notes (a session without a runtime folder, say) stay off the terminal
// unless critical, since the tool reports its failures itself. Called before
// the QGuiApplication is made.
#include <QString>
#include <QtGlobal>
#include <iostream>

namespace smek {

inline void drawWithoutDisplay(const char* tool) {
    static const char* name = nullptr;
    name = tool;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << name << ": " << text.toStdString() << "\n";
    });
}

} // namespace smek
