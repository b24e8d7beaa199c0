#pragma once
// Whole-file reading and writing. Writing never destroys what was there: the
// new content goes to a file beside the old one, which is replaced only when
// the write has succeeded.
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace smek {

struct ReadResult {
    std::string content;
    std::error_code error; // empty on success
};

ReadResult readTextFile(const std::filesystem::path& path);

// Refuses (EACCES) to replace an existing file that is not writable, as the
// designed platform would.
std::error_code writeTextFileAtomic(const std::filesystem::path& path, std::string_view content);

} // namespace smek
