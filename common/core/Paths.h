// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

namespace smek {

// The data folder of a program folder, always ending in the separator:
// "C:\Игры\Словолов" -> "C:\Игры\Словолов\Data\", "/home/u/g" -> "/home/u/g/Data/".
std::string PathData(std::string_view programFolder);

// 1-based byte position of the dot that starts the extension of the path's
// last component, or 0. The first three characters are never looked at (a
// drive prefix); "\" or "/" ends the search.
int PoiskTochki(std::string_view path);

// The last component of a path ("\" or "/" separated).
std::string fileNamePart(std::string_view path);

// A title as a file name to propose: each character that a file name cannot
// hold on any of the players' systems (separators, control codes, the
// reserved : * ? " < > |) becomes "_"; blanks and dots at either end go.
// Works on UTF-8 and CP1251 alike (the characters replaced are all ASCII).
std::string fileNameOfTitle(std::string_view title);

} // namespace smek
