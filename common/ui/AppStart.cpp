#include "AppStart.h"

#include "../core/Paths.h"
#include "Geometry.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
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

std::string pathDataOfProgram() {
    return PathData(programFolder().toStdString());
}

} // namespace smek
