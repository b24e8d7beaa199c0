#include "AppStart.h"

#include "../core/Paths.h"
#include "Geometry.h"

namespace smek {

void setUpApplication(QApplication& app) {
    installFontSubstitutions();
    app.setFont(sansFont(8));
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

} // namespace smek
