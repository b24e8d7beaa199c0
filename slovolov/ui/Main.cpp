#include "Main.h"

#include "common/ui/AppStart.h"
#include "frmSlovolov.h"

#include <QApplication>

namespace slovolov {

int Main(int argc, char** argv, const std::function<void(frmSlovolov&)>& afterStart) {
    QApplication app(argc, argv);
    smek::setUpApplication(app);
    const std::string pathData = smek::pathDataOfProgram();
    const Settings settings = LoadFileINI(pathData);
    smek::QtPrompts prompts(QStringLiteral("Смекалия - Словолов"));
    frmSlovolov window(prompts, pathData, settings);
    prompts.setOwner(&window);
    // Centred before it is shown: a message about the word database at the
    // first game stands over the middle of the window, not at the top left.
    smek::fitToScreen(window);
    smek::centreOnScreen(window);
    window.show();
    QApplication::processEvents();
    window.NewGame(0);
    if (window.endRequested()) return 1;
    if (afterStart) afterStart(window);
    return app.exec();
}

} // namespace slovolov
