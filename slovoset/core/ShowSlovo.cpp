// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShowHtml.h"
#include "StartGame.h"
#include "TekstKakNapisan.h"

#include "common/core/Cp1251.h"

#include <algorithm>

namespace smek::slovoset {
namespace {

const std::string kRed = "</font><font face='Times New Roman' color='red' size='4'><u>";
const std::string kGreen = "</font><font face='Times New Roman' color='green' size='4'><u>";
const std::string kBlack = "</u></font><font face='Times New Roman' color='#000000' size='4'>";

struct Underline {
    int begin;   // first position in Tekst (1-based)
    int end;     // one past the last
    int colour;  // Otgadano of the group's first word
    int order;   // list order of the group
};

// Groups of the designed walk over the list lines: a chosen (or opened) word
// swallows the following lines that start inside its underline, and widens
// it for the chosen ones among them, at its start too: in create mode a word
// across three runs is listed after the two-run words of its run, though it
// may start earlier in that run.
std::vector<Underline> underlines(const Puzzle& p) {
    std::vector<Underline> groups;
    int a = 0;
    do {
        const SkrytoeSlovo& w = slovoOfLine(p, a);
        if (w.Vybrano == 1) {
            int b = w.Nachalo;
            int e = w.Nachalo + w.DlinaVTexte;
            while (a < p.MaxSpisok) {
                const SkrytoeSlovo& v = slovoOfLine(p, a + 1);
                if (v.Nachalo >= e) break;
                if (v.Vybrano == 1) {
                    b = std::min(b, v.Nachalo);
                    e = std::max(e, v.Nachalo + v.DlinaVTexte);
                }
                ++a;
            }
            groups.push_back({b, e, w.Otgadano, static_cast<int>(groups.size())});
        }
        ++a;
    } while (a <= p.MaxSpisok);

    // In create mode a later line can start before an earlier underline ends
    // (three-run words of a run come after its two-run words). Such groups
    // join the underline they overlap, in the colour of the one listed first,
    // instead of cutting into its markup.
    std::stable_sort(groups.begin(), groups.end(),
                     [](const Underline& x, const Underline& y) { return x.begin < y.begin; });
    std::vector<Underline> merged;
    for (const Underline& u : groups) {
        if (!merged.empty() && u.begin < merged.back().end) {
            Underline& m = merged.back();
            m.end = std::max(m.end, u.end);
            if (u.order < m.order) {
                m.colour = u.colour;
                m.order = u.order;
            }
        } else {
            merged.push_back(u);
        }
    }
    return merged;
}

} // namespace

std::string lowerRu(std::string s) {
    for (char& c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0xC0 && b <= 0xDF) c = static_cast<char>(b + 0x20);
        else if (b == 0xA8) c = static_cast<char>(0xB8);
    }
    return s;
}

std::string markedText(const Puzzle& p) {
    // Positions are those of Tekst; the reader sees the text as written.
    const std::string& t = p.Tekst;
    const int n = static_cast<int>(t.size());
    auto piece = [&](int from, int to) { // positions from..to-1, clamped to the text
        from = std::clamp(from, 1, n + 1);
        to = std::clamp(to, from, n + 1);
        return htmlText(std::string_view(t).substr(static_cast<size_t>(from - 1), static_cast<size_t>(to - from)),
                        p.Napisano, from);
    };

    std::string h;
    int pos = 1;
    for (const Underline& u : underlines(p)) {
        h += piece(pos, u.begin);
        h += u.colour == 0 ? kRed : kGreen;
        h += piece(u.begin, u.end);
        h += kBlack;
        pos = std::max(pos, u.end);
    }
    h += piece(pos, n + 1);
    return h;
}

ShowSlovoResult ShowSlovo(const Puzzle& p) {
    ShowSlovoResult out;
    std::string& h = out.html;
    h = markedText(p);
    if (p.TypGame == 1) {
        h += smek::w1251("<br><br>Ответы: ");
        bool first = true;
        for (int a = 0; a <= p.MaxSpisok; ++a) {
            const SkrytoeSlovo& w = slovoOfLine(p, a);
            if (w.Vybrano != 1) continue;
            if (!first) h += ", ";
            h += lowerRu(slovoKakNapisano(p, w));
            first = false;
        }
    }
    out.mFileSave = p.MaxSpisok > 0;
    return out;
}

} // namespace smek::slovoset
