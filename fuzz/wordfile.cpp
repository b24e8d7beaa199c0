// SPDX-License-Identifier: GPL-3.0-or-later
// Word files of slovolov and bukvoklad: what the reader accepts is what a
// board can show, and a draw from an accepted file always succeeds.
#include "Fuzz.h"
#include "common/core/Alphabet.h"
#include "common/core/Random.h"
#include "common/core/WordFiles.h"
#include "slovolov/core/Game.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int length = 3 + data[0] % 17; // 3..19
    const std::string path = fuzz::putFile("w." + std::to_string(length), fuzz::bytes(data + 1, size - 1));
    const smek::WordFile file = smek::readWordFile(path, length);
    const auto fits = [length](const std::string& w) {
        return static_cast<int>(w.size()) == length && std::all_of(w.begin(), w.end(), smek::isRussianCapital);
    };
    if (file.status == smek::WordFile::Status::Ok) {
        fuzz::check(!file.words.empty(), "an accepted word file without words");
        fuzz::check(std::all_of(file.words.begin(), file.words.end(), fits), "an accepted word that does not fit");
    }
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        smek::Random random(seed);
        const smek::slovolov::WordPick pick = smek::slovolov::pickWord(path, length, random);
        if (pick.ok) fuzz::check(fits(pick.word), "a drawn word that does not fit");
        if (file.status == smek::WordFile::Status::Ok) fuzz::check(pick.ok, "no word drawn from an accepted file");
    }
    return 0;
}
