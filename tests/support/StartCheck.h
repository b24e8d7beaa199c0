// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For a program's own Main run as the program runs it (from its program
// folder, in a home of its own): whether the window came up centred on the
// screen, told on standard error when not.
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace smek::test {

inline bool shownCentred(const QWidget& window) {
    const QPoint off = window.geometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
    if (window.isVisible() && off.manhattanLength() <= 8) return true; // a menu bar may come after the centring
    std::fprintf(stderr, "window %s, %d px off the screen's centre\n", window.isVisible() ? "shown" : "not shown",
                 off.manhattanLength());
    return false;
}

// Ends the program there and then: the check is over, and a game in play
// would ask before the window closes.
[[noreturn]] inline void endStart(bool ok) {
    std::fflush(stderr);
    std::_Exit(ok ? 0 : 1);
}

} // namespace smek::test
