// SPDX-License-Identifier: GPL-3.0-or-later
// A bare Qt window with a menu bar, ending at its first paint: the yardstick
// for the program's start-up time and memory.
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

namespace {

class QuitOnPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.menuBar()->addMenu(QStringLiteral("Меню"));
    auto* central = new QWidget(&w);
    central->setFixedSize(723, 526);
    w.setCentralWidget(central);
    QuitOnPaint quit;
    central->installEventFilter(&quit);
    w.show();
    return app.exec();
}
