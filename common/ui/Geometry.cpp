// SPDX-License-Identifier: GPL-3.0-or-later
#include "Geometry.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>
#include <cmath>

namespace smek {
namespace {

// The designed face → the face to ask for, once the substitutes are known.
QHash<QString, QString>& installedFaces() {
    static QHash<QString, QString> faces;
    return faces;
}

} // namespace

QFont fontPt(const QString& family, double points, bool bold) {
    QFont font;
    // One installed face where it is known: with a list of several names Qt
    // asks fontconfig at once for the fallback list of every face, size and
    // script, a noticeable part of the start-up; with one it asks only when a
    // character is missing. Otherwise the substitute is named first: when the
    // designed face is not installed, Qt would ask for a whole fallback list
    // before trying the substitute.
    if (const auto face = installedFaces().constFind(family); face != installedFaces().cend())
        font.setFamilies({*face});
    else
        font.setFamilies(QFont::substitutes(family) << family);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

void installFontSubstitutions() {
    const QStringList installed = QFontDatabase::families();
    for (const auto& [designed, substitute] : {std::pair{QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")},
                                               std::pair{QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")}}) {
        QFont::insertSubstitution(designed, substitute);
        // The substitute first, as the list names them.
        if (installed.contains(substitute, Qt::CaseInsensitive)) installedFaces().insert(designed, substitute);
        else if (installed.contains(designed, Qt::CaseInsensitive)) installedFaces().insert(designed, designed);
    }
}

} // namespace smek
