// SPDX-License-Identifier: GPL-3.0-or-later
#include "Main.h"

#include "common/ui/AppStart.h"
#include "common/ui/Text.h"
#include "frmSlovolov.h"

#include <QApplication>

namespace smek::slovolov {

int Main(int argc, char** argv, const std::function<void(frmSlovolov&)>& afterStart) {
    QApplication app(argc, argv);
    smek::setUpApplication(app, QStringLiteral("org.smekalia.Slovolov"));
    const smek::Places places = smek::placesOfProgram();
    const Settings settings = LoadFileINI(smek::settingsToRead(places, kSettingsFile));
    smek::QtPrompts prompts(QStringLiteral("Смекалия - Словолов"));
    frmSlovolov window(prompts, places, settings);
    prompts.setOwner(&window);
    // Centred before it is shown: a message about the word database at the
    // first game stands over the middle of the window, not at the top left.
    smek::fitToScreen(window);
    smek::centreOnScreen(window);
    window.show();
    QApplication::processEvents();
    // The game left in progress at the last close comes first, unless a file
    // to open is named (then it waits for the next start).
    if (argc > 1 || !window.resumeGame()) window.NewGame(0);
    if (window.endRequested()) return 1;
    // A saved game named on the command line (the file manager's "open
    // with") is opened as the Open command would; its name keeps its bytes
    // (QApplication has taken its own options out of argv).
    if (const QString file = smek::fileArgument(argc, argv); !file.isEmpty()) window.OpenNamedFile(file);
    if (afterStart) afterStart(window);
    return app.exec();
}

} // namespace smek::slovolov
