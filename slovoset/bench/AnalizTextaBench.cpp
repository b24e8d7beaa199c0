// SPDX-License-Identifier: GPL-3.0-or-later
// Create-mode analysis with the shipped dictionary: a 60,000-character Russian
// text with the cached dictionary against a scan of the file for every
// candidate, as the analysis would do without the cache; then the sizes that
// show whether the analysis stays linear: two runs of 50,000 letters, and
// 1 MB of text.
#include "slovoset/core/AnalizTexta.h"
#include "slovoset/core/Dictionary.h"
#include "slovoset/core/StartGame.h"

#include "common/core/Alphabet.h"
#include "common/core/Cp1251.h"
#include "common/core/Random.h"
#include "common/core/TextFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace smek::slovoset;

std::string dataFolder() {
    const std::string shipped = std::string(DATA_SOURCE_DIR) + "/slovoset/";
    if (std::filesystem::exists(shipped + "\xD0\x9A.5")) return shipped; // К.5
    return std::string(DATA_SOURCE_DIR) + "/../tests/fixtures/slovoset/Data/";
}

// Russian prose from the help pages' vocabulary, shuffled into sentences
// with a fixed seed, so every run measures the same characters.
std::string proseText(size_t size) {
    std::vector<std::string> vocabulary;
    std::set<std::string> seen;
    for (const char* page : {"Словосеть.htm", "Словолов.htm", "Буквоклад.htm"}) {
        const std::string html = smek::readTextFile(std::string(DATA_SOURCE_DIR) + "/help/" + page).content;
        std::string word;
        bool inTag = false;
        for (char c : html + " ") {
            if (c == '<') inTag = true;
            if (!inTag && smek::isRussianLetter(c)) {
                word += c;
                continue;
            }
            if (c == '>') inTag = false;
            if (!word.empty() && seen.insert(word).second) vocabulary.push_back(word);
            word.clear();
        }
    }
    if (vocabulary.empty()) vocabulary = {"\xEA\xEE\xF2", "\xE8\xEA", "\xEB\xE5\xF1"};
    smek::Random random(20240601);
    std::string out;
    int inSentence = 0;
    while (out.size() < size) {
        out += vocabulary[static_cast<size_t>(random.between(0, static_cast<int>(vocabulary.size()) - 1))];
        ++inSentence;
        if (inSentence > 4 && random.uniform() < 0.15) {
            out += random.uniform() < 0.2 ? ".\r\n" : ". ";
            inSentence = 0;
        } else {
            out += random.uniform() < 0.1 ? ", " : " ";
        }
    }
    out.resize(size);
    return out;
}

const std::string& sampleText() {
    static const std::string text = smek::cp1251ToUtf8(proseText(60000)); // as the source box gives it
    return text;
}

template <class Lookup>
void analyse(benchmark::State& state, const std::string& text) {
    const std::string folder = dataFolder();
    int words = 0;
    for (auto _ : state) {
        Puzzle p;
        p.PathData = folder;
        p.slovar = std::make_shared<Lookup>(folder); // a fresh one: every file read counts
        StartGame(p, 1, text);
        AnalizTexta(p, 0);
        words = p.MaxSlova + 1;
    }
    state.counters["words"] = words;
    state.counters["chars"] = static_cast<double>(text.size());
}

void BM_AnalizTexta_CachedDictionary(benchmark::State& state) { analyse<Dictionary>(state, sampleText()); }
void BM_AnalizTexta_FileScanPerCandidate(benchmark::State& state) { analyse<DictionaryScan>(state, sampleText()); }

// Two letter runs of 50,000 letters each (а…а, then к…к).
void BM_AnalizTexta_TwoLongRuns(benchmark::State& state) {
    static const std::string text = std::string(50000, '\xE0') + " " + std::string(50000, '\xEA');
    analyse<Dictionary>(state, text);
}

void BM_AnalizTexta_OneMegabyteOfProse(benchmark::State& state) {
    static const std::string text = proseText(1 << 20);
    analyse<Dictionary>(state, text);
}

BENCHMARK(BM_AnalizTexta_CachedDictionary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalizTexta_FileScanPerCandidate)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_AnalizTexta_TwoLongRuns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalizTexta_OneMegabyteOfProse)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
