// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every program's Main does first: fonts mapped to the installed faces,
// the program folder the data folder hangs from, and the per-user places.
#include "common/core/UserFiles.h"

#include <QApplication>
#include <QMainWindow>
#include <QString>
#include <string>

namespace smek {

// appId: the program's desktop id ("org.smekalia.Slovolov"), which names its
// window to the desktop so the window pairs with its menu entry and icon.
// Qt's Russian translation and the window icon follow just after the first
// paint: the first picture needs neither.
void setUpApplication(QApplication& app, const QString& appId);
// The folder of the program file (no trailing separator).
QString programFolder();
// The help page beside the program: programFolder + "/Справка/" + name.
QString helpPagePath(const QString& pageName);
// The same beside a given program folder (a window told where it lives).
QString helpPagePath(const QString& folder, const QString& pageName);
std::string pathDataOfProgram();
// Places a main window in the middle of the available screen area before it
// is shown, so the boxes it owns at start-up are centred over it too.
void centreOnScreen(QWidget& window);
// A fixed-size main window that, at the player's scale, is larger than the
// screen's free area (slovolov at 2x on a 1280 x 1024 screen) gets its
// contents in a scroll area and a size that fits; every control keeps its
// designed place and size, and the window may grow back to its full size.
void fitToScreen(QMainWindow& window);
// The program's places for this user (see UserFiles.h).
Places placesOfProgram();
// The file named on the command line (the file manager's "open with"), its
// bytes kept; empty when there is none or the argument is empty, as a
// launcher may pass. Call after QApplication has taken its own options.
QString fileArgument(int argc, char** argv);

} // namespace smek
