#pragma once
// Handing files and addresses to the system's browser.
#include "Prompts.h"
#include "common/core/UserFiles.h"

#include <QString>
#include <string>

namespace smek {

// The shell's "Open" on a path or an address; false when nothing took it.
bool OpURL(Prompts& prompts, const QString& target);
// Opens address in the system's browser: directly where the platform can,
// otherwise through a redirect page in the player's private pages folder.
void SaveFileUrl(Prompts& prompts, const Places& places, const std::string& address);

} // namespace smek
