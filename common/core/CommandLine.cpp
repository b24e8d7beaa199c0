// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "FileMessages.h"
#include "SaveOpen.h"

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

std::optional<int> helpOrVersion(int argc, char** argv, const char* tool, const char* version, const char* usage,
                                 const char* help) {
    if (argc != 2) return std::nullopt;
    const std::string_view arg = argv[1];
    if (arg == "--help" || arg == "-h") {
        std::cout << usage << "\n" << help;
        return 0;
    }
    if (arg == "--version") {
        std::cout << tool << " " << version << "\n";
        return 0;
    }
    return std::nullopt;
}

int usageError(const char* tool, const char* usage, const std::string& why) {
    if (!why.empty()) std::cerr << tool << ": " << why << "\n";
    std::cerr << usage;
    return 2;
}

std::optional<OwnList> readOwnListInput(const char* tool, const std::string& name) {
    const ReadResult file = readInput(name);
    if (file.error) {
        std::cerr << tool << ": " << name << ": " << readFailure(file) << "\n";
        return std::nullopt;
    }
    OwnListParse parse = parseOwnListFile(file.content);
    if (parse.notText) {
        std::cerr << tool << ": " << name << ": не похож на текст (no text in UTF-8, UTF-16, Windows-1251 or KOI8-R)\n";
        return std::nullopt;
    }
    if (!parse.ok()) {
        std::cerr << tool << ": " << name << ": " << ownListRefusal(parse, 50) << "\n";
        return std::nullopt;
    }
    return std::move(parse.list);
}

int writeOutput(const char* tool, const std::string& out, std::string_view bytes) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::status(out, ec);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        std::cerr << tool << ": " << out << ": a folder or a device, not a file to write\n";
        return 1;
    }
    const bool existed = fs::exists(status);
    const SaveOutcome saved = saveFile(out, bytes, false, {});
    if (saved.kind != SaveOutcome::Kind::Saved) {
        std::cerr << tool << ": " << (saved.message.empty() ? fileMessage(out, FileTail::CannotSave) : saved.message)
                  << "\n";
        return 1;
    }
    if (existed) std::cerr << tool << ": replaced " << out << "\n";
    return 0;
}

} // namespace smek
