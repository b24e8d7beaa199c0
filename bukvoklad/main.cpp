// The compose-a-word program: settings, the first board drawn into the still
// hidden window, then the window.
#include "bukvoklad/core/Game.h"
#include "bukvoklad/core/Settings.h"
#include "bukvoklad/ui/frmForma.h"
#include "common/ui/AppStart.h"

#include <QApplication>
#include <QScreen>
#include <cstdlib>

namespace {

int Main(QApplication& app) {
    using namespace smek;
    using namespace smek::bukvoklad;
    setUpApplication(app);
    Game game;
    game.PathData = pathDataOfProgram();
    LoadSettings(game);

    Random random = Random::fromClock();
    QtPrompts prompts(QStringLiteral("Смекалия - Буквоклад"));
    // A word file that exists but cannot be opened ends the program at once,
    // without writing the settings.
    frmForma form(game, prompts, random, [] { std::_Exit(EXIT_FAILURE); });
    prompts.setOwner(&form);
    form.NewGame();
    QCoreApplication::processEvents();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        form.move(screen->availableGeometry().center() - form.rect().center());
    form.show();
    return app.exec();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return Main(app);
}
