// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small pages that send the system's browser on to an address.
#include <filesystem>
#include <optional>
#include <string>

namespace smek {

// One line ended by CR LF; the address stands unchanged after "url=".
std::string redirectPage(const std::string& address);

// Writes the page as pathData + n + ".html" for the smallest n (0, 1, ...)
// that can be written, trying at most `attempts` names.
std::optional<std::filesystem::path> writeRedirectPage(const std::string& pathData, const std::string& address,
                                                       int attempts = 100);

} // namespace smek
