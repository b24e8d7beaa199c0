// Start-up probe: the program's own Main, ending at the first paint of the
// board after the first game was built. Run under /usr/bin/time beside
// BareWindow to compare the start-up with a bare Qt window's.
#include "slovolov/ui/Main.h"
#include "slovolov/ui/frmSlovolov.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace {

class QuitOnPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override {
        // exit(), not quit(): quitting closes the window, which would write the
        // settings into the program folder.
        if (e->type() == QEvent::Paint) QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    QuitOnPaint quit;
    return slovolov::Main(argc, argv, [&quit](slovolov::frmSlovolov& w) {
        w.picControl->installEventFilter(&quit);
        w.picControl->update();
    });
}
