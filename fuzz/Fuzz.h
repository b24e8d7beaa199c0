#pragma once
// What every harness shares: the oracle check and a scratch folder of the
// process for readers that take a path.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/core/TextFile.h"

namespace fuzz {

// A failed oracle is a finding: libFuzzer saves the input that caused it.
inline void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "oracle failed: %s\n", what);
    std::abort();
}

// A folder of this process's own, ending in "/".
inline const std::string& scratch() {
    static const std::string folder = [] {
        std::string name = (std::filesystem::temp_directory_path() / "smekalia-fuzz-XXXXXX").string();
        if (!::mkdtemp(name.data())) std::abort();
        return name + "/";
    }();
    return folder;
}

// Puts the bytes into a file of the scratch folder and returns its path.
inline std::string putFile(const std::string& name, std::string_view bytes) {
    const std::string path = scratch() + name;
    if (smek::writeTextFileAtomic(path, bytes)) std::abort();
    return path;
}

inline std::string_view bytes(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

} // namespace fuzz
