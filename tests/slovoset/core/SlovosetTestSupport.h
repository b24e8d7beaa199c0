// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared pieces of the hidden-word core tests.
#include "slovoset/core/AnalizTexta.h"
#include "slovoset/core/Dictionary.h"
#include "slovoset/core/Puzzle.h"
#include "slovoset/core/StartGame.h"

#include "common/core/Cp1251.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace smek::slovoset::test {

inline std::string w(const std::string& utf8) { return smek::w1251(utf8); }
inline std::string u(const std::string& cp1251) { return smek::cp1251ToUtf8(cp1251); }

// A dictionary held in the test that records every word asked about.
class RecordingLookup : public WordLookup {
public:
    explicit RecordingLookup(std::vector<std::string> wordsUtf8) {
        for (const auto& x : wordsUtf8) words_.insert(smek::w1251(x));
    }
    bool contains(std::string_view word) override {
        asked.push_back(smek::cp1251ToUtf8(word));
        return words_.count(std::string(word)) != 0;
    }
    std::vector<std::string> asked; // UTF-8

private:
    std::set<std::string> words_;
};

// A puzzle started from a text (UTF-8) in mode typ and analysed against a
// dictionary of the given words.
struct Analysed {
    Puzzle p;
    std::shared_ptr<RecordingLookup> lookup;
    AnalizOutcome outcome;
};

inline Analysed analyse(const std::string& textUtf8, std::vector<std::string> words, int typ, int lenSlov = 0,
                        int tiho = 0) {
    Analysed a;
    a.lookup = std::make_shared<RecordingLookup>(std::move(words));
    a.p.slovar = a.lookup;
    a.p.LenSlov = lenSlov;
    EXPECT_TRUE(StartGame(a.p, typ, textUtf8));
    a.outcome = AnalizTexta(a.p, tiho);
    return a;
}

inline std::string fixtureData() { return std::string(FIXTURES_DIR) + "/slovoset/Data/"; }

} // namespace smek::slovoset::test
