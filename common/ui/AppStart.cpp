#include "AppStart.h"

#include "../core/Paths.h"
#include "Geometry.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QScrollArea>
#include <QWidget>
#include <QTranslator>

namespace smek {

void setUpApplication(QApplication& app) {
    installFontSubstitutions();
    app.setFont(sansFont(8));
    // Qt's own buttons and dialogs ("Да"/"Нет", the file dialog) in Russian, as the players read them.
    static QTranslator qtRussian;
    if (qtRussian.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtRussian);
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

} // namespace smek
