#include "AppStart.h"

#include "../core/Paths.h"
#include "Geometry.h"

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

namespace smek {

void setUpApplication(QApplication& app, const QString& appId) {
    installFontSubstitutions();
    app.setFont(sansFont(8));
    // Qt's own buttons and dialogs ("Да"/"Нет", the file dialog) in Russian, as the players read them.
    static QTranslator qtRussian;
    if (qtRussian.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtRussian);
    // The desktop pairs windows with their menu entry by this name (the
    // Wayland app id; X11 takes WM_CLASS from the program name, which the
    // entry's StartupWMClass names).
    QGuiApplication::setDesktopFileName(appId);
    // The program's own icon, built into it, so the window shows it also
    // when the icon theme does not hold it (a copied program folder).
    QIcon icon;
    for (const char* size : {"32", "64", "128"}) {
        const QString file = QStringLiteral(":/smekalia/icon-") + QLatin1String(size) + QStringLiteral(".png");
        if (QFile::exists(file)) icon.addFile(file);
    }
    if (!icon.isNull()) QApplication::setWindowIcon(icon);
}

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

QString helpPagePath(const QString& pageName) {
    return programFolder() + QStringLiteral("/Справка/") + pageName;
}

std::string pathDataOfProgram() {
    return PathData(programFolder().toStdString());
}

Places placesOfProgram() {
    UserFolders user;
    user.config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
    // Only the session's own runtime folder: Qt's fallback would be a fixed
    // name in the shared temporary folder.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(QString::fromLocal8Bit(runtime))) user.runtime = runtime.toStdString();
    user.temp = QDir::tempPath().toStdString();
    user.documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    user.home = QDir::homePath().toStdString();
    return placesFor(pathDataOfProgram(), user);
}

} // namespace smek
