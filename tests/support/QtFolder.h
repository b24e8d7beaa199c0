// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A test's own folder (TempFolder) named as the windows take names.
#include "TempFolder.h"
#include "common/ui/Text.h"

#include <QString>

namespace smek {

inline QString qPath(const TempFolder& folder) { return fromPath(folder.path().string()); }
inline QString qPath(const TempFolder& folder, const QString& name) { return qPath(folder) + QLatin1Char('/') + name; }

} // namespace smek
