// SPDX-License-Identifier: GPL-3.0-or-later
#include "Paths.h"

namespace smek {

std::string PathData(std::string_view programFolder) {
    const char sep = programFolder.find('\\') != std::string_view::npos ? '\\' : '/';
    std::string path(programFolder);
    if (path.empty() || path.back() != sep) path += sep;
    return path + "Data" + sep;
}

int PoiskTochki(std::string_view path) {
    // Byte offset where the fourth character (UTF-8) begins.
    size_t firstLooked = 0;
    for (int chars = 0; chars < 3 && firstLooked < path.size(); ++chars) {
        ++firstLooked;
        while (firstLooked < path.size() && (static_cast<unsigned char>(path[firstLooked]) & 0xC0) == 0x80)
            ++firstLooked;
    }
    for (size_t i = path.size(); i > firstLooked; --i) {
        const char c = path[i - 1];
        if (c == '\\' || c == '/') return 0;
        if (c == '.') return static_cast<int>(i);
    }
    return 0;
}

std::string fileNamePart(std::string_view path) {
    const size_t cut = path.find_last_of("\\/");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string fileNameOfTitle(std::string_view title) {
    std::string name;
    for (const char c : title) {
        const auto u = static_cast<unsigned char>(c);
        const bool reserved = u < 0x20 || u == 0x7F || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
        name += reserved ? '_' : c;
    }
    const size_t first = name.find_first_not_of(" .");
    if (first == std::string::npos) return {};
    return name.substr(first, name.find_last_not_of(" .") - first + 1);
}

} // namespace smek
