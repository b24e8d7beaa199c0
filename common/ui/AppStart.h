#pragma once
// What every program's Main does first: fonts mapped to the installed faces,
// the program folder the data folder hangs from, and the per-user places.
#include "common/core/UserFiles.h"

#include <QApplication>
#include <QString>
#include <string>

namespace smek {

// appId: the program's desktop id ("org.smekalia.Slovolov"), which names its
// window to the desktop so the window pairs with its menu entry and icon.
void setUpApplication(QApplication& app, const QString& appId);
// The folder of the program file (no trailing separator).
QString programFolder();
// The help page beside the program: programFolder + "/Справка/" + name.
QString helpPagePath(const QString& pageName);
std::string pathDataOfProgram();
// The program's places for this user (see UserFiles.h).
Places placesOfProgram();

} // namespace smek
