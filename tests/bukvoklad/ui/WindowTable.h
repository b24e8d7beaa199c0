// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A compose-a-word window over a data folder of its own, with a seeded
// generator: a test fills the folder, then opens the window.
#include "ScriptedPrompts.h"
#include "TempFolder.h"
#include "TestPlaces.h"
#include "bukvoklad/ui/frmForma.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace smek::bukvoklad::test {

struct WindowTable {
    TempFolder folder;
    Game game;
    ScriptedPrompts prompts{QStringLiteral("Смекалия - Буквоклад")};
    Random random;
    std::unique_ptr<frmForma> form;

    explicit WindowTable(std::uint64_t seed) : random(seed) { game.PathData = folder.pathData(); }

    // own: the player's folder (empty: none); onEnd: the program's end.
    void open(int optKolBukv, std::function<void()> onEnd = [] {}, const std::string& own = {}) {
        game.OptKolBukv = optKolBukv;
        form = std::make_unique<frmForma>(game, prompts, random, std::move(onEnd), testPlaces(game.PathData, own));
        prompts.setOwner(form.get());
    }
    void timed(int seconds) { game.OptTime = 1, game.OptSec = seconds; }
};

} // namespace smek::bukvoklad::test
