// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A folder of its own for each test under the system's temporary folder, with
// a name no other test or user shares; removed with all it holds afterwards,
// read-only files and folders that a test made included.
#include "common/core/Cp1251.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace smek {

// Root reads and writes any file, so a case about a file the player cannot
// read or a folder they cannot write needs an ordinary user. ctest runs the
// cases listed in tests/ordinary-user.txt as one (nobody, when it is started
// as root); started by hand as root, such a case skips and says why.
inline bool runningAsRoot() { return ::geteuid() == 0; }
inline constexpr const char* kNeedsOrdinaryUser = "needs an ordinary user (root reads and writes any file); ctest runs it as one";

class TempFolder {
public:
    // base: where the folder is made, the system's temporary folder unless given.
    explicit TempFolder(const std::filesystem::path& base = std::filesystem::temp_directory_path()) {
        std::string name = (base / "smekalia-test-XXXXXX").string();
        if (!mkdtemp(name.data())) throw std::runtime_error("cannot make a temporary folder");
        path_ = name;
    }
    ~TempFolder() {
        namespace fs = std::filesystem;
        std::error_code ec;
        const auto writable = [&ec](const fs::path& p) { fs::permissions(p, fs::perms::owner_all, fs::perm_options::add, ec); };
        writable(path_);
        for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::recursive_directory_iterator();
             it.increment(ec))
            if (!it->is_symlink()) writable(it->path());
        fs::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder as a data folder: ends with the separator.
    std::string pathData() const { return path_.string() + "/"; }
    // A file of these bytes in the folder.
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }
    // A word file: the count, then the words (given as UTF-8), CR LF each.
    void words(const std::string& name, std::initializer_list<const char*> list) const {
        std::string text = " " + std::to_string(list.size()) + " \r\n";
        for (const char* w : list) text += w1251(w) + "\r\n";
        write(name, text);
    }

    // A word file of n different made-up words of `length` consonants, none a
    // single repeated letter.
    void manyWords(const std::string& name, int length, int n) const {
        const std::string consonants = smek::w1251("БВГДЖЗКЛМНПРСТФХ");
        std::string text = " " + std::to_string(n) + " \r\n";
        for (int i = 1; i <= n; ++i) {
            std::string word;
            for (int k = 0, v = i; k < length; ++k, v /= 16) word += consonants[static_cast<size_t>(v % 16)];
            text += word + "\r\n";
        }
        write(name, text);
    }

private:
    std::filesystem::path path_;
};

} // namespace smek
