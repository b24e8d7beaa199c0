// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberText.h"

namespace smek {

std::string signedNumberText(long long n) {
    return n < 0 ? std::to_string(n) : " " + std::to_string(n);
}

std::string settingsLine(long long n) {
    return signedNumberText(n) + " \r\n";
}

} // namespace smek
