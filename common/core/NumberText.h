// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace smek {

// One space (or the minus sign), the digits: " 5", "-3".
std::string signedNumberText(long long n);
// A settings-file line: the signed number text, one space, CR LF: " 1 \r\n".
std::string settingsLine(long long n);

} // namespace smek
