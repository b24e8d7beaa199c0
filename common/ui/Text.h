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

} // namespace smek
