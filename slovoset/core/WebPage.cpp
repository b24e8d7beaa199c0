// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebPage.h"

#include "PrintPages.h"
#include "SaveHtml.h"
#include "TekstKakNapisan.h"

#include "common/core/Cp1251.h"
#include "common/web/WebPage.h"

#include <algorithm>
#include <set>
#include <vector>

namespace smek::slovoset {

namespace {

// "<br>" of Tekst is a line break on the page, where the text is text.
std::string withLineBreaks(std::string s) {
    for (size_t at = s.find("<br>"); at != std::string::npos; at = s.find("<br>", at)) s.replace(at, 4, "\n");
    return s;
}

} // namespace

std::string webPage(const Puzzle& p, const std::string& nazvanie) {
    const std::vector<const SkrytoeSlovo*> words = hintWords(p);
    const int length = static_cast<int>(p.Tekst.size());
    // The text is cut where any word begins or ends, so each word is a run of
    // whole pieces the page can underline.
    std::set<int> cuts{1, length + 1};
    for (const SkrytoeSlovo* w : words) {
        cuts.insert(w->Nachalo);
        cuts.insert(w->Nachalo + w->DlinaVTexte);
    }
    const std::vector<int> starts(cuts.begin(), cuts.end());
    const auto pieceOf = [&](int position) {
        return static_cast<int>(std::lower_bound(starts.begin(), starts.end(), position) - starts.begin());
    };

    std::string identity = "slovoset|" + p.Tekst;
    for (const SkrytoeSlovo* w : words) identity += "|" + std::to_string(w->Nachalo) + ":" + w->Slovo;
    const std::string salt = web::puzzleSalt(identity);

    std::string segments;
    for (size_t i = 0; i + 1 < starts.size(); ++i) {
        if (i > 0) segments += ',';
        segments += web::jsonString(withLineBreaks(writtenText(p.Tekst, p.Napisano, starts[i], starts[i + 1] - 1)));
    }
    std::string list;
    for (const SkrytoeSlovo* w : words) {
        if (!list.empty()) list += ',';
        list += "{\"h\":\"" + web::answerHash(salt, w->Nachalo, w->Slovo) + "\",\"p\":" + std::to_string(w->Nachalo) +
                ",\"s\":" + std::to_string(pieceOf(w->Nachalo)) +
                ",\"e\":" + std::to_string(pieceOf(w->Nachalo + w->DlinaVTexte)) +
                ",\"n\":" + web::jsonString(cp1251ToUtf8(bukvText(static_cast<int>(w->Slovo.size())))) + "}";
    }
    const std::string hints =
        "Подсказки. Число букв в нужных словах в порядке их появления в тексте:" + cp1251ToUtf8(hintsText(p));

    web::PageContent page;
    page.game = web::Game::Slovoset;
    page.title = "Словосеть: " + cp1251ToUtf8(nazvanie);
    page.salt = salt;
    page.data = "\"segments\":[" + segments + "],\"hints\":" + web::jsonString(hints) + ",\"words\":[" + list + "]";
    return web::writePage(page);
}

} // namespace smek::slovoset
