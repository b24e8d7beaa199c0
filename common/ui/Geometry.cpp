#include "Geometry.h"

#include <QStringList>
#include <cmath>

namespace smek {

QFont fontPt(const QString& family, double points, bool bold) {
    // The installed substitute is named first: when the designed face is not
    // installed, Qt would otherwise ask fontconfig for a whole fallback list
    // before trying the substitute, a noticeable part of the start-up.
    QFont font;
    font.setFamilies(QFont::substitutes(family) << family);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

void installFontSubstitutions() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

} // namespace smek
