#pragma once
// A data folder of its own for each test, removed afterwards.
#include "common/core/Cp1251.h"

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <string>

struct TempFolder {
    std::filesystem::path path;
    TempFolder() {
        std::random_device rd;
        path = std::filesystem::temp_directory_path() / ("bukvoklad-test-" + std::to_string(rd()));
        std::filesystem::create_directories(path);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    // The PathData form: ends in the separator.
    std::string pathData() const { return path.string() + "/"; }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path / name, std::ios::binary) << bytes;
    }
    // A word file: the count, then the words (given as UTF-8), CR LF each.
    void words(const std::string& name, std::initializer_list<const char*> list) const {
        std::string text = " " + std::to_string(list.size()) + " \r\n";
        for (const char* w : list) text += smek::w1251(w) + "\r\n";
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
};
