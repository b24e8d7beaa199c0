// SPDX-License-Identifier: GPL-3.0-or-later
// Main: the data folder, the one setting, and the main window, which then
// waits for a text.
#include "common/ui/AppStart.h"
#include "common/ui/Prompts.h"
#include "common/ui/Text.h"
#include "slovoset/core/Puzzle.h"
#include "slovoset/core/SettingsIni.h"
#include "slovoset/ui/frmForma.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    smek::setUpApplication(app, QStringLiteral("org.smekalia.Slovoset"));

    const smek::Places places = smek::placesOfProgram();
    smek::slovoset::Puzzle puzzle;
    puzzle.PathData = places.data;
    puzzle.TypGame = -1;
    puzzle.LenSlov = smek::slovoset::LoadFileINI(smek::settingsToRead(places, smek::slovoset::kSettingsFile));

    smek::QtPrompts prompts(QStringLiteral("Смекалия - Словосеть"));
    smek::slovoset::frmForma form(puzzle, prompts, smek::programFolder(), places);
    prompts.setOwner(&form);
    smek::fitToScreen(form);
    smek::centreOnScreen(form);
    form.show();
    // A game file named on the command line (the file manager's "open with")
    // is opened as "Открыть" would; its name keeps its bytes (QApplication
    // has taken its own options out of argv).
    if (const QString file = smek::fileArgument(argc, argv); !file.isEmpty()) form.OpenNamedGame(file);
    return app.exec();
}
