// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The created puzzle as one web page to play in a browser: the text as
// written, the hints, a list of the chosen words and an answer box. The words
// are kept only as hashes beside their positions.
#include "Puzzle.h"

#include <string>

namespace smek::slovoset {

// nazvanie: CP1251 title, as the export asks for it.
std::string webPage(const Puzzle& p, const std::string& nazvanie);

} // namespace smek::slovoset
