// SPDX-License-Identifier: GPL-3.0-or-later
// .sst with the test dictionary: whatever opens saves back to a file that
// opens to the same game.
#include "Fuzz.h"
#include "slovoset/core/Dictionary.h"
#include "slovoset/core/GameFile.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string folder = std::string(FIXTURES_DIR) + "/slovoset/Data/";
    static const auto dictionary = std::make_shared<smek::slovoset::Dictionary>(folder);
    smek::slovoset::Puzzle current;
    current.PathData = folder;
    current.slovar = dictionary;
    const auto game = smek::slovoset::readGame(current, std::string(fuzz::bytes(data, size)));
    if (!game) return 0;
    fuzz::check(game->MaxSlova >= 0 && game->TypGame == 0, "an opened game without words");
    const auto again = smek::slovoset::readGame(current, smek::slovoset::gameFileText(*game) + "\r\n");
    fuzz::check(again.has_value(), "the saved game does not open");
    fuzz::check(again->Tekst == game->Tekst && again->LenSlov == game->LenSlov && again->MaxSlova == game->MaxSlova,
                "the saved game opens as another text");
    for (int i = 0; i <= game->MaxSlova; ++i) {
        const auto& a = game->Slova[static_cast<size_t>(i)];
        const auto& b = again->Slova[static_cast<size_t>(i)];
        fuzz::check(a.Slovo == b.Slovo && a.Vybrano == b.Vybrano && a.Otgadano == b.Otgadano,
                    "the saved game opens with other flags");
        fuzz::check((a.Vybrano == 0 || a.Vybrano == 1) && (a.Otgadano == 0 || a.Otgadano == 1), "a flag not 0/1");
    }
    return 0;
}
