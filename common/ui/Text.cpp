#include "Text.h"

namespace smek {
namespace {

// The length of the valid UTF-8 sequence at s[i], or 0.
size_t validSequence(std::string_view s, size_t i, char32_t& code) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    size_t length = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, min = 0x80, code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, min = 0x800, code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, min = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > s.size()) return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        code = code << 6 | (byte(i + k) & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond Unicode are not valid.
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

} // namespace

QString fromPath(std::string_view bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (size_t i = 0; i < bytes.size();) {
        char32_t code = 0;
        const size_t length = validSequence(bytes, i, code);
        if (length == 0) {
            out += QChar(static_cast<char16_t>(0xDC00 | static_cast<unsigned char>(bytes[i])));
            ++i;
            continue;
        }
        out += QString::fromUcs4(&code, 1);
        i += length;
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
