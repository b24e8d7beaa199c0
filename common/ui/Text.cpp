// SPDX-License-Identifier: GPL-3.0-or-later
#include "Text.h"

namespace smek {

QString fromPath(std::string_view bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (size_t i = 0; i < bytes.size();) {
        const size_t at = i;
        char32_t code = 0;
        if (nextUtf8(bytes, i, code)) out += QString::fromUcs4(&code, 1);
        else out += QChar(static_cast<char16_t>(0xDC00 | static_cast<unsigned char>(bytes[at])));
    }
    return out;
}

std::string toPath(const QString& path) {
    std::string out;
    out.reserve(static_cast<size_t>(path.size()));
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t c = path[i].unicode();
        const bool pairs = QChar::isHighSurrogate(c) && i + 1 < path.size() && path[i + 1].isLowSurrogate();
        if (!pairs && c >= 0xDC80 && c <= 0xDCFF) {
            out += static_cast<char>(c & 0xFF);
            continue;
        }
        const qsizetype length = pairs ? 2 : 1;
        out += path.mid(i, length).toStdString();
        i += length - 1;
    }
    return out;
}

} // namespace smek
