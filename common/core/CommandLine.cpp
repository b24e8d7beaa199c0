#include "CommandLine.h"

#include <filesystem>
#include <iostream>

namespace smek {

std::string programFolder(const char* argv0) {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::absolute(argv0, ec);
    return exe.parent_path().string();
}

ReadResult readInput(const std::string& name) {
    if (name != "-") return readTextFile(name);
    // Held to the bound of a file: /dev/zero on standard input ends too.
    ReadResult r;
    char buffer[65536];
    while (std::cin.read(buffer, sizeof buffer) || std::cin.gcount() > 0) {
        r.content.append(buffer, static_cast<size_t>(std::cin.gcount()));
        if (r.content.size() > kMaxTextFileBytes) {
            r.content.clear();
            r.refused = ReadResult::Refused::TooLarge;
            r.error = std::make_error_code(std::errc::file_too_large);
            return r;
        }
    }
    if (std::cin.bad()) r.error = std::make_error_code(std::errc::io_error);
    return r;
}

std::string readFailure(const ReadResult& file) {
    switch (file.refused) {
    case ReadResult::Refused::NotRegular: return "not a regular file (a folder, a device or a pipe)";
    case ReadResult::Refused::TooLarge:
        return "larger than " + std::to_string(kMaxTextFileBytes >> 20) + " MB, the most a text may have";
    case ReadResult::Refused::WrongStart:
    case ReadResult::Refused::No: break;
    }
    return file.error.message();
}

} // namespace smek
