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
    window.show();
    QApplication::processEvents();
    window.NewGame(0);
    if (window.endRequested()) return 1;
    if (afterStart) afterStart(window);
    return app.exec();
}

} // namespace slovolov
