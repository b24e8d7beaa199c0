// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The anagram worksheet as one web page: each row's shuffled letters and an
// answer box the page checks as the player types. The words are kept only as
// hashes of their rows.
#include "Worksheet.h"

#include <string>

namespace smek::bukvoklad {

std::string webPage(const Worksheet& sheet);

} // namespace smek::bukvoklad
