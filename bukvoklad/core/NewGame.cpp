// SPDX-License-Identifier: GPL-3.0-or-later
#include "NewGame.h"

#include "common/core/FileMessages.h"
#include "common/core/Themes.h"
#include "common/core/WordFiles.h"

#include <algorithm>
#include <cmath>

namespace smek::bukvoklad {

int chooseLength(int optKolBukv, Random& random) {
    if (optKolBukv > 2 && optKolBukv <= kMaxLetters) return optKolBukv;
    return random.between(5, kMaxLetters);
}

int chooseLength(int optKolBukv, const std::vector<int>& themeLengths, Random& random) {
    if (optKolBukv > 2 && optKolBukv <= kMaxLetters) return optKolBukv;
    std::vector<int> usable;
    for (int length : themeLengths)
        if (length >= 5 && length <= kMaxLetters) usable.push_back(length);
    if (usable.empty()) return chooseLength(optKolBukv, random);
    return usable[static_cast<size_t>(random.between(0, static_cast<int>(usable.size()) - 1))];
}

std::vector<int> shuffleOrder(int n, Random& random) {
    // Each cell takes one of the positions not yet shown, chosen uniformly;
    // the same distribution as drawing again until a free one turns up, but
    // it always ends, whatever the generator returns.
    std::vector<int> free(static_cast<size_t>(std::max(n, 0)));
    for (int i = 0; i < n; ++i) free[static_cast<size_t>(i)] = i;
    std::vector<int> order;
    order.reserve(free.size());
    while (!free.empty()) {
        const int k = random.between(0, static_cast<int>(free.size()) - 1);
        order.push_back(free[static_cast<size_t>(k)]);
        free.erase(free.begin() + k);
    }
    return order;
}

std::vector<int> scrambledOrder(const std::string& word, Random& random) {
    const int n = static_cast<int>(word.size());
    const auto spells = [&](const std::vector<int>& order) {
        for (int i = 0; i < n; ++i)
            if (word[static_cast<size_t>(order[static_cast<size_t>(i)])] != word[static_cast<size_t>(i)]) return false;
        return true;
    };
    std::vector<int> order = shuffleOrder(n, random);
    // A word of one letter repeated reads the same in any order.
    if (std::all_of(word.begin(), word.end(), [&](char c) { return c == word.front(); })) return order;
    for (int draws = 1; draws < 100 && spells(order); ++draws) order = shuffleOrder(n, random);
    // A generator that keeps giving the same order: turned by one cell, a
    // word of two different letters no longer reads in order.
    if (spells(order)) std::rotate(order.begin(), order.begin() + 1, order.end());
    return order;
}

namespace {

void startWord(Game& game, std::string word, NewGameResult& result, Random& random) {
    game.Slovo = std::move(word);
    game.wordLoaded = true;
    result.order = scrambledOrder(game.Slovo, random);
    game.board = startBoard(result.order);
    // A negative limit from an edited settings file counts as no time left.
    if (game.OptTime == 1) game.TimeOst = std::max(game.OptSec, 0);
}

} // namespace

NewGameResult NewGame(Game& game, Random& random) {
    NewGameResult result;
    if (game.own && usedUp(*game.own)) {
        result.status = NewGameResult::Status::OwnWordsUsedUp;
        result.length = game.KolBukv;
        return result;
    }
    game.GameState = 1;
    random.reseed();
    if (game.own) {
        std::string word = *nextOwnWord(*game.own);
        game.KolBukv = result.length = static_cast<int>(word.size());
        startWord(game, std::move(word), result, random);
        return result;
    }
    const int n = game.Tema.empty() ? chooseLength(game.OptKolBukv, random)
                                    : chooseLength(game.OptKolBukv, themeLengths(game.PathData, game.Tema), random);
    game.KolBukv = n;
    game.wordLoaded = false;
    game.board = {};
    result.length = n;

    ThemedWordFiles themed = themedWordFiles(game.PathData, game.Tema, n);
    result.themeFellBack = themed.fellBack;
    const auto files = std::move(themed.files);
    if (files.empty()) {
        result.status = NewGameResult::Status::NoDatabase;
        return result;
    }
    result.file = files[static_cast<size_t>(random.between(0, static_cast<int>(files.size()) - 1))];
    WordFile words = readWordFile(result.file, n);
    if (words.status == WordFile::Status::CannotOpen) {
        result.status = NewGameResult::Status::CannotOpen;
        return result;
    }
    if (words.status == WordFile::Status::NotSuitable) {
        result.status = NewGameResult::Status::NotSuitable;
        return result;
    }
    const int k = random.between(0, static_cast<int>(words.words.size()) - 1);
    startWord(game, std::move(words.words[static_cast<size_t>(k)]), result, random);
    return result;
}

std::string newGameMessage(const NewGameResult& result) {
    switch (result.status) {
    case NewGameResult::Status::Ok: return {};
    case NewGameResult::Status::NoDatabase: return noWordDatabaseMessage(result.length);
    case NewGameResult::Status::CannotOpen: return fileMessage(result.file.string(), FileTail::CannotOpen);
    case NewGameResult::Status::NotSuitable: return fileMessage(result.file.string(), FileTail::NotSuitable);
    case NewGameResult::Status::OwnWordsUsedUp: return {}; // a question, not an error: usedUpQuestion
    }
    return {};
}

} // namespace smek::bukvoklad
