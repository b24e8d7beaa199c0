// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Handing files and addresses to the system's browser.
#include "Prompts.h"
#include "common/core/UserFiles.h"

#include <QString>
#include <string>

namespace smek {

// The shell's "Open" on a path or an address. When no program takes it the
// player is told, rather than left waiting for a browser that never comes.
bool OpURL(Prompts& prompts, const QString& target);
// Opens address in the system's browser: directly where the platform can,
// otherwise through a redirect page in the player's private pages folder;
// the player is told when neither opens.
void SaveFileUrl(Prompts& prompts, const Places& places, const std::string& address);

} // namespace smek
