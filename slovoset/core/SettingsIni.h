#pragma once
// "Slovoset.ini": the one setting of the program, the index of the shortest
// word length, as one settings line.
#include <filesystem>

namespace smek::slovoset {

inline constexpr const char* kSettingsFile = "Slovoset.ini";

// 0 when the file is missing, unreadable or holds no number in 0..21.
int readLenSlov(const std::filesystem::path& file);
// Failures are ignored: the program closes in any case.
void writeLenSlov(const std::filesystem::path& file, int lenSlov);

} // namespace smek::slovoset
