// Main: the data folder, the one setting, and the main window, which then
// waits for a text.
#include "common/ui/AppStart.h"
#include "common/ui/Prompts.h"
#include "slovoset/core/Puzzle.h"
#include "slovoset/core/SettingsIni.h"
#include "slovoset/ui/frmForma.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    smek::setUpApplication(app);

    slovoset::Puzzle puzzle;
    puzzle.PathData = smek::pathDataOfProgram();
    puzzle.TypGame = -1;
    puzzle.LenSlov = slovoset::readLenSlov(puzzle.PathData + slovoset::kSettingsFile);

    smek::QtPrompts prompts(QStringLiteral("Смекалия - Словосеть"));
    slovoset::frmForma form(puzzle, prompts, smek::programFolder());
    prompts.setOwner(&form);
    smek::fitToScreen(form);
    smek::centreOnScreen(form);
    form.show();
    return app.exec();
}
