// SPDX-License-Identifier: GPL-3.0-or-later
#include "Main.h"

#include "bukvoklad/core/Game.h"
#include "bukvoklad/core/Settings.h"
#include "common/ui/AppStart.h"
#include "frmForma.h"

#include <QApplication>
#include <cstdlib>

namespace smek::bukvoklad {

int Main(int argc, char** argv, const std::function<void(frmForma&)>& afterStart) {
    QApplication app(argc, argv);
    setUpApplication(app, QStringLiteral("org.smekalia.Bukvoklad"));
    const Places places = placesOfProgram();
    Game game;
    game.PathData = places.data;
    LoadSettings(game, settingsToRead(places, kSettingsFile));

    Random random = Random::fromClock();
    QtPrompts prompts(QStringLiteral("Смекалия - Буквоклад"));
    // A word file that exists but cannot be opened ends the program at once,
    // without writing the settings.
    frmForma form(game, prompts, random, [] { std::_Exit(EXIT_FAILURE); }, places);
    prompts.setOwner(&form);
    // Centred before the first game, so a message about the word database is
    // centred over the place where the window will appear.
    fitToScreen(form);
    centreOnScreen(form);
    form.NewGame();
    QCoreApplication::processEvents();
    form.show();
    if (afterStart) afterStart(form);
    return app.exec();
}

} // namespace smek::bukvoklad
