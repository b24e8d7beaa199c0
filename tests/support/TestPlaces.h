// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Places for window tests: everything a window writes stays in the test's
// own folder, never in the user's home or the shared temporary folder.
#include "common/core/UserFiles.h"

#include <string>

namespace smek {

// data: the data folder (ending in "/"); own: the player's own folder, the
// data folder when omitted (a portable program folder).
inline Places testPlaces(const std::string& data, const std::string& own = {}) {
    // The folder that holds the data folder ("…/Data/" ends in a separator).
    const std::filesystem::path base = std::filesystem::path(data).parent_path().parent_path();
    Places p;
    p.data = data;
    p.own = own.empty() ? data : own;
    p.pages = base / "pages";
    p.temp = base;
    p.documents = base / "documents";
    p.home = base;
    p.userData = base / "share" / "smekalia";
    return p;
}

} // namespace smek
