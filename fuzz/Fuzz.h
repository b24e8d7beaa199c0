// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every harness shares: the oracle check and a scratch folder of the
// process for readers that take a path.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace fuzz {

// A failed oracle is a finding: libFuzzer saves the input that caused it.
inline void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "oracle failed: %s\n", what);
    std::abort();
}

// A folder of this process's own, ending in "/"; in memory when there is
// /dev/shm, since rewriting a file on ext4 flushes it to the disk each time.
inline const std::string& scratch() {
    static const std::string folder = [] {
        std::error_code ec;
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string name = (base / "smekalia-fuzz-XXXXXX").string();
        if (!::mkdtemp(name.data())) std::abort();
        static std::string made;
        made = name;
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(made, ignored);
        });
        return name + "/";
    }();
    return folder;
}

// Puts the bytes into a file of the scratch folder and returns its path;
// without the atomic writer's syncs, which would bound the executions.
inline std::string putFile(const std::string& name, std::string_view bytes) {
    const std::string path = scratch() + name;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) std::abort();
    return path;
}

inline std::string_view bytes(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

} // namespace fuzz
