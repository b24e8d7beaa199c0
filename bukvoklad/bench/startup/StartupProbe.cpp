// Start-up probe: the program's own Main, ending at the first paint of the
// letter board in the shown window. Run under /usr/bin/time beside the bare
// window yardstick to compare the start-up with a bare Qt window's.
#include "bukvoklad/ui/Main.h"
#include "bukvoklad/ui/frmForma.h"

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
    return smek::bukvoklad::Main(argc, argv, [&quit](smek::bukvoklad::frmForma& w) {
        w.picControl->installEventFilter(&quit);
    });
}
