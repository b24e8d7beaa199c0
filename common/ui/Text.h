// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where text meets a widget: CP1251 game text and UTF-8 messages to QString and back.
#include "../core/Cp1251.h"

#include <QString>
#include <string>
#include <string_view>

namespace smek {

inline QString fromCp1251(std::string_view s) { return QString::fromStdString(cp1251ToUtf8(s)); }
// Characters CP1251 cannot hold become '?'.
inline std::string toCp1251(const QString& s) { return utf8ToCp1251(s.toStdString()); }
inline QString fromUtf8(const std::string& s) { return QString::fromStdString(s); }

// File paths are bytes, usually UTF-8. A byte that is no part of valid UTF-8
// (a name from an old CP1251 archive) travels as the lone surrogate
// U+DC80..U+DCFF, so that such a path goes from a dialog to the file system
// and back unchanged.
QString fromPath(std::string_view bytes);
std::string toPath(const QString& path);

} // namespace smek
