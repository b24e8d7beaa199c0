// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppStart.h"

#include "../core/Paths.h"
#include "Geometry.h"
#include "Text.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QScrollArea>
#include <QStandardPaths>
#include <QWidget>
#include <QTimer>
#include <QTranslator>
#include <functional>
#include <utility>

namespace smek {
namespace {

// Runs its work once, right after the first paint of any widget, so that what
// the first picture does not need waits until the player sees the window.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QApplication& app, std::function<void()> work) : QObject(&app), work_(std::move(work)) {
        app.installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && work_) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, this, std::exchange(work_, {}));
        }
        return false;
    }

private:
    std::function<void()> work_;
};

void finishStartUp(QApplication& app) {
    // Qt's own buttons and dialogs ("Да"/"Нет", the file dialog) in Russian,
    // as the players read them; a box shown before (about the word database
    // at the first game) has only "OK".
    static QTranslator qtRussian;
    if (qtRussian.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtRussian);
    // The program's own icon, built into it, so the window shows it also
    // when the icon theme does not hold it (a copied program folder).
    QIcon icon;
    for (const char* size : {"32", "64", "128"}) {
        const QString file = QStringLiteral(":/smekalia/icon-") + QLatin1String(size) + QStringLiteral(".png");
        if (QFile::exists(file)) icon.addFile(file);
    }
    if (!icon.isNull()) QApplication::setWindowIcon(icon);
}

} // namespace

void setUpApplication(QApplication& app, const QString& appId) {
    installFontSubstitutions();
    app.setFont(sansFont(8));
    // The desktop pairs windows with their menu entry by this name (the
    // Wayland app id; X11 takes WM_CLASS from the program name, which the
    // entry's StartupWMClass names).
    QGuiApplication::setDesktopFileName(appId);
    new AfterFirstPaint(app, [&app] { finishStartUp(app); });
}

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

QString helpPagePath(const QString& pageName) {
    return helpPagePath(programFolder(), pageName);
}

QString helpPagePath(const QString& folder, const QString& pageName) {
    return folder + QStringLiteral("/Справка/") + pageName;
}

void centreOnScreen(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

void fitToScreen(QMainWindow& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    // Room for the title bar and the frame, which the window's size leaves out.
    const QSize room = screen->availableGeometry().size() - QSize(8, 40);
    const QSize whole = window.size();
    if (whole.width() <= room.width() && whole.height() <= room.height()) return;
    QWidget* content = window.takeCentralWidget();
    auto* scroll = new QScrollArea(&window);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    window.setCentralWidget(scroll);
    window.setMinimumSize(0, 0);
    window.setMaximumSize(whole);
    window.resize(whole.boundedTo(room));
}

std::string pathDataOfProgram() {
    return PathData(programFolder().toStdString());
}

Places placesOfProgram() {
    UserFolders user;
    user.config = toPath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    user.data = toPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    // Only the session's own runtime folder: Qt's fallback would be a fixed
    // name in the shared temporary folder.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(QString::fromLocal8Bit(runtime))) user.runtime = runtime.toStdString();
    user.temp = toPath(QDir::tempPath());
    user.documents = toPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    user.home = toPath(QDir::homePath());
    return placesFor(pathDataOfProgram(), user);
}

QString fileArgument(int argc, char** argv) {
    return argc > 1 && argv[1][0] != '\0' ? fromPath(argv[1]) : QString();
}

} // namespace smek
