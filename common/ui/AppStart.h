#pragma once
// What every program's Main does first: fonts mapped to the installed faces,
// and the program folder the data folder hangs from.
#include <QApplication>
#include <QString>
#include <string>

namespace smek {

void setUpApplication(QApplication& app);
// The folder of the program file (no trailing separator).
QString programFolder();
// The help page beside the program: programFolder + "/Справка/" + name.
QString helpPagePath(const QString& pageName);
std::string pathDataOfProgram();

} // namespace smek
