#pragma once
// Handing files and addresses to the system's browser.
#include "Prompts.h"

#include <QString>
#include <string>

namespace smek {

// The shell's "Open" on a path or an address. When no program takes it the
// player is told, rather than left waiting for a browser that never comes.
void OpURL(Prompts& prompts, const QString& target);
// Writes a redirect page for address into the data folder and opens it.
void SaveFileUrl(Prompts& prompts, const std::string& pathData, const std::string& address);

} // namespace smek
