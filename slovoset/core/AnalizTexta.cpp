// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnalizTexta.h"

#include "Dictionary.h"
#include "Isklyucheniya.h"
#include "ShowHtml.h"
#include "StartGame.h"

#include "common/core/Alphabet.h"

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace smek::slovoset {
namespace {

void splitIntoRuns(Puzzle& p) {
    p.SlovaTeksta.assign(1, SlovoTeksta{});
    p.MaxSlovaTeksta = -1;
    const std::string upper = smek::toUpperRu(p.Tekst);
    bool inRun = false;
    for (size_t i = 0; i < upper.size(); ++i) {
        const char c = upper[i];
        if (!smek::isRussianCapital(c)) {
            inRun = false;
            continue;
        }
        if (!inRun) {
            inRun = true;
            ++p.MaxSlovaTeksta;
            p.SlovaTeksta.resize(static_cast<size_t>(p.MaxSlovaTeksta) + 1);
            p.SlovaTeksta.back().Nachalo = static_cast<int>(i) + 1;
        }
        SlovoTeksta& run = p.SlovaTeksta.back();
        run.Slovo += c;
        run.Dlina = static_cast<int>(run.Slovo.size());
    }
}

WordLookup& dictionaryOf(Puzzle& p) {
    auto* cached = dynamic_cast<Dictionary*>(p.slovar.get());
    if (!p.slovar || (cached && cached->pathData() != p.PathData)) p.slovar = std::make_shared<Dictionary>(p.PathData);
    return *p.slovar;
}

// The words recorded so far. Most candidates share neither first letter nor
// length with any of them, which one bit tells without hashing.
class Recorded {
public:
    bool contains(std::string_view word) const {
        return seen_.test(bit(word)) && words_.find(word) != words_.end();
    }
    void insert(std::string_view word) {
        seen_.set(bit(word));
        words_.emplace(word);
    }

private:
    // Lengths from kLengths - 1 up share a bit.
    static constexpr size_t kLengths = 64;
    static size_t bit(std::string_view word) {
        return static_cast<unsigned char>(word[0]) * kLengths + std::min(word.size(), kLengths - 1);
    }
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::bitset<256 * kLengths> seen_; // test() and set() check the index
    std::unordered_set<std::string, Hash, std::equal_to<>> words_;
};

// Every hidden word whose first letter lies in run j, in the designed order:
// two runs before three, then by start, then longest first.
void searchFromRun(Puzzle& p, int Tiho, int j, WordLookup& slovar, Recorded& recorded) {
    const SlovoTeksta& first = p.SlovaTeksta[static_cast<size_t>(j)];
    std::string s = first.Slovo;
    const int L0 = first.Dlina;
    int k = 0;
    int acc = 0;
    for (;;) {
        const int before = static_cast<int>(s.size());
        ++k;
        const SlovoTeksta& last = p.SlovaTeksta[static_cast<size_t>(j + k)];
        s += last.Slovo;
        const int total = static_cast<int>(s.size());
        // Records the hit of length L at `start`; true: play mode is done with run j.
        auto record = [&](int start, int L) {
            const std::string_view candidate =
                std::string_view(s).substr(static_cast<size_t>(start - 1), static_cast<size_t>(L));
            SkrytoeSlovo hit;
            hit.Slovo = std::string(candidate);
            hit.Nachalo = first.Nachalo + start - 1;
            hit.DlinaVTexte = last.Nachalo - hit.Nachalo + (L - before) + start - 1;
            hit.Fragment =
                p.Tekst.substr(static_cast<size_t>(hit.Nachalo - 1), static_cast<size_t>(hit.DlinaVTexte));
            bool isShort = L <= p.LenSlov + 2;
            if (p.TypGame == 1) {
                hit.Vybrano = isShort ? 0 : 1;
                isShort = false;
            }
            ++p.MaxSlova;
            p.Slova.resize(static_cast<size_t>(p.MaxSlova) + 1);
            p.Slova.back() = std::move(hit);
            recorded.insert(candidate);
            if (Tiho == 0 && !isShort) SpisokAdd(p, p.MaxSlova);
            // Play mode hides at most one word per starting run.
            return p.TypGame == 0;
        };
        for (int start = 1; start <= L0; ++start) {
            // The lengths tried at this start, longest first; the short ones
            // (all but the rarest) go to the dictionary in one question.
            std::uint64_t wanted = 0;
            const int top = total - start + 1;
            // A start whose longest candidate reaches 25 letters tries only
            // the lengths above 25.
            const int bottom = top >= 25 ? std::max(L0 - start + acc + 1, 26) : L0 - start + acc + 1;
            // Longer candidates than the dictionary's longest word of that
            // letter are no words: asking about them made long runs quadratic.
            const size_t longest = slovar.longestWord(s[static_cast<size_t>(start - 1)]);
            const int highest = longest < static_cast<size_t>(top) ? static_cast<int>(longest) : top;
            for (int L = highest; L >= bottom; --L) {
                // Ending on the last letter of the previous run is no new span.
                if (start + L - 1 == L0 + acc) continue;
                if (L < 64) {
                    wanted |= std::uint64_t{1} << L;
                    continue;
                }
                const std::string_view candidate =
                    std::string_view(s).substr(static_cast<size_t>(start - 1), static_cast<size_t>(L));
                if (!recorded.contains(candidate) && slovar.contains(candidate) && record(start, L)) return;
            }
            if (wanted == 0) continue;
            const std::uint64_t found =
                slovar.wordsAmong(std::string_view(s).substr(static_cast<size_t>(start - 1)), wanted);
            // Few starts hold a word at all: words already recorded are left out only then.
            for (int L = 63; L >= 1 && found; --L)
                if ((found >> L & 1) &&
                    !recorded.contains(std::string_view(s).substr(static_cast<size_t>(start - 1), static_cast<size_t>(L))) &&
                    record(start, L))
                    return;
        }
        acc += last.Dlina;
        if (j + k + 1 > p.MaxSlovaTeksta || k + 1 >= 3 || total >= 24) return;
    }
}

} // namespace

std::string ZamenaE(std::string s) {
    for (char& c : s) {
        if (c == smek::kYoUpper) c = '\xC5';      // Е
        else if (c == smek::kYoLower) c = '\xE5'; // е
    }
    return s;
}

std::string analizMessageText(AnalizMessage m) {
    switch (m) {
    case AnalizMessage::NotRussian: return "Этот текст не на русском.";
    case AnalizMessage::NoNewWords: return "Новых слов не найдено.";
    case AnalizMessage::None: break;
    }
    return {};
}

AnalizOutcome AnalizTexta(Puzzle& p, int Tiho) {
    AnalizOutcome out;
    p.Gotovo = 0;
    SpisokStart(p);
    p.Ugadano = -1;
    p.Otkryto = -1;

    splitIntoRuns(p);
    if (p.MaxSlovaTeksta <= 0) {
        out.message = p.MaxSlovaTeksta < 0 ? AnalizMessage::NotRussian : AnalizMessage::NoNewWords;
        out.html = std::string();
        p.Slova.assign(1, SkrytoeSlovo{});
        p.MaxSlova = -1;
        out.mFileSave = false;
        return out;
    }

    p.Slova.assign(1, SkrytoeSlovo{});
    p.MaxSlova = -1;
    // Excluded words stay out of created puzzles only: a game file's flags
    // follow the words of the full analysis.
    ExcludingLookup withoutExcluded(dictionaryOf(p), p.Isklyucheniya);
    WordLookup& slovar = p.TypGame == 1 && Tiho == 0 && !p.Isklyucheniya.empty()
                             ? static_cast<WordLookup&>(withoutExcluded)
                             : dictionaryOf(p);
    Recorded recorded;
    for (int j = 0; j <= p.MaxSlovaTeksta - 1; ++j) searchFromRun(p, Tiho, j, slovar, recorded);

    if (p.MaxSlova >= 0) {
        p.Gotovo = 1;
        if (Tiho == 0) out.html = p.TypGame == 1 ? ShowSlovo(p).html : htmlText(p.Tekst, p.Napisano);
    } else {
        out.message = AnalizMessage::NoNewWords;
    }
    out.mFileSave = p.MaxSlova >= 0;
    return out;
}

} // namespace smek::slovoset
