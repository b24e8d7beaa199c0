// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis, the puzzle display and the export on any text with the test
// dictionary: every word found is a dictionary word spelled by its fragment
// of the text, play mode hides at most one word per run, and the pages carry
// no markup but their own; the text as written survives its game-file line.
#include "Fuzz.h"
#include "common/core/Alphabet.h"
#include "slovoset/core/AnalizTexta.h"
#include "slovoset/core/Dictionary.h"
#include "slovoset/core/SaveHtml.h"
#include "slovoset/core/ShowHtml.h"
#include "slovoset/core/StartGame.h"
#include "slovoset/core/TekstKakNapisan.h"

#include <memory>
#include <set>

namespace {

// Every "<" starts one of the tags the pages are made of.
bool onlyOwnMarkup(const std::string& page) {
    static const std::set<std::string> tags = {"!DOCTYPE", "html", "head", "meta", "title", "body", "table", "td",
                                               "center", "font", "u", "br"};
    for (size_t at = page.find('<'); at != std::string::npos; at = page.find('<', at + 1)) {
        if (page.compare(at, 4, "<!- ") == 0) continue; // the view's marker comment
        size_t start = at + 1;
        if (start < page.size() && page[start] == '/') ++start;
        size_t end = start;
        while (end < page.size() && (std::isalpha(static_cast<unsigned char>(page[end])) || page[end] == '!')) ++end;
        if (!tags.count(page.substr(start, end - start))) return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string folder = std::string(FIXTURES_DIR) + "/slovoset/Data/";
    static const auto dictionary = std::make_shared<smek::slovoset::Dictionary>(folder);
    const std::string text(fuzz::bytes(data, size));
    for (int typ : {0, 1}) {
        smek::slovoset::Puzzle p;
        p.PathData = folder;
        p.slovar = dictionary;
        p.LenSlov = size > 0 ? data[0] % 22 : 0;
        if (!smek::slovoset::StartGame(p, typ, text)) return 0;
        // The text as written comes back whole from its game-file line.
        const smek::slovoset::AuthorText back =
            smek::slovoset::authorText(smek::slovoset::fromWrittenLine(smek::slovoset::writtenLine(p)));
        fuzz::check(back.Tekst == p.Tekst && back.kakNapisano == p.Napisano, "the text as written did not come back");
        smek::slovoset::AnalizTexta(p, 0);
        std::set<int> runsUsed;
        for (int i = 0; i <= p.MaxSlova; ++i) {
            const smek::slovoset::SkrytoeSlovo& w = p.Slova[static_cast<size_t>(i)];
            fuzz::check(dictionary->contains(w.Slovo), "a word found that is not in the dictionary");
            fuzz::check(w.Nachalo >= 1 && w.DlinaVTexte >= 1 &&
                            static_cast<size_t>(w.Nachalo - 1 + w.DlinaVTexte) <= p.Tekst.size(),
                        "a word outside the text");
            fuzz::check(w.Fragment == p.Tekst.substr(static_cast<size_t>(w.Nachalo - 1), static_cast<size_t>(w.DlinaVTexte)),
                        "a fragment that is not the text");
            std::string letters;
            for (char c : smek::toUpperRu(w.Fragment))
                if (smek::isRussianCapital(c)) letters += c;
            fuzz::check(letters == w.Slovo, "a fragment that does not spell its word");
            if (typ == 0) {
                int run = 0;
                for (int r = 0; r <= p.MaxSlovaTeksta; ++r)
                    if (p.SlovaTeksta[static_cast<size_t>(r)].Nachalo <= w.Nachalo) run = r;
                fuzz::check(runsUsed.insert(run).second, "play mode hid two words from one run");
            }
        }
        const std::string html = smek::slovoset::ShowSlovo(p).html;
        fuzz::check(onlyOwnMarkup(smek::slovoset::htmlViewDocument(html)), "foreign markup in the view");
        p.Nazvanie = text.substr(0, 40);
        const smek::slovoset::HtmlPages pages = smek::slovoset::exportPages(p, p.Nazvanie, smek::slovoset::htmlViewBody(html));
        fuzz::check(onlyOwnMarkup(pages.puzzle), "foreign markup in the puzzle page");
        fuzz::check(onlyOwnMarkup(pages.answers), "foreign markup in the answers page");
    }
    return 0;
}
