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

} // namespace smek
