// SPDX-License-Identifier: GPL-3.0-or-later
#include "SlovosetTestSupport.h"

#include "slovoset/core/AnalizTexta.h"
#include "slovoset/core/Dictionary.h"
#include "slovoset/core/StartGame.h"

#include "common/core/TextFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <tuple>

namespace smek::slovoset {
namespace {

using test::RecordingLookup;
using test::u;
using test::w;
using test::analyse;
using test::Analysed;

std::vector<std::string> words(const Puzzle& p) {
    std::vector<std::string> out;
    for (int i = 0; i <= p.MaxSlova; ++i) out.push_back(u(p.Slova[static_cast<size_t>(i)].Slovo));
    return out;
}

// A hidden word with where and how it stands in the text, for one comparison.
std::tuple<std::string, int, int, std::string> placed(const SkrytoeSlovo& s) {
    return {u(s.Slovo), s.Nachalo, s.DlinaVTexte, u(s.Fragment)};
}

TEST(ZamenaE, ReplacesBothCasesAndKeepsLength) {
    EXPECT_EQ(ZamenaE(w("Ёлка, ёжик и её")), w("Елка, ежик и ее"));
    EXPECT_EQ(ZamenaE("abc"), "abc");
}

TEST(AnalizTexta, TwoRunsInDesignedCandidateOrder) {
    Analysed a = analyse("кот ик", {"КОТИК", "ТИК"}, 1);
    // Longest first at each start; a candidate ending on the last letter of
    // the first run is never asked.
    EXPECT_EQ(a.lookup->asked, (std::vector<std::string>{"КОТИК", "КОТИ", "ОТИК", "ОТИ", "ТИК", "ТИ"}));
    ASSERT_EQ(a.p.MaxSlova, 1);
    EXPECT_EQ(placed(a.p.Slova[0]), std::tuple("КОТИК", 1, 6, "кот ик"));
    EXPECT_EQ(a.p.Slova[0].Vybrano, 1);
    EXPECT_EQ(placed(a.p.Slova[1]), std::tuple("ТИК", 3, 4, "т ик"));
    EXPECT_EQ((std::vector{a.p.Gotovo, a.p.MaxSpisok, a.p.Otkryto, a.p.Ugadano}), (std::vector{1, 1, -1, -1}));
    EXPECT_EQ(a.outcome.message, AnalizMessage::None);
    EXPECT_TRUE(a.outcome.mFileSave);
}

TEST(AnalizTexta, ThreeRunsAndTheRunBoundarySkip) {
    Analysed a = analyse("ко ти к", {"КОТИК"}, 1);
    EXPECT_EQ(a.lookup->asked, (std::vector<std::string>{
                                   // run 0 with run 1
                                   "КОТИ", "КОТ", "ОТИ", "ОТ",
                                   // run 0 with runs 1 and 2: nothing ending on И
                                   "КОТИК", "ОТИК",
                                   // run 1 with run 2
                                   "ТИК", "ИК"}));
    ASSERT_EQ(a.p.MaxSlova, 0);
    EXPECT_EQ(placed(a.p.Slova[0]), std::tuple("КОТИК", 1, 7, "ко ти к"));
}

TEST(AnalizTexta, NoThirdRunOnceTheJoinedRunsReach24Letters) {
    // 12 + 12 letters: the extension ends before the third run.
    Analysed a = analyse("аааааааааааа бббббббббббб в", {}, 1);
    int fromFirstRun = 0;
    for (const std::string& asked : a.lookup->asked) {
        if (asked.rfind("А", 0) != 0) continue;
        ++fromFirstRun;
        EXPECT_EQ(asked.find("В"), std::string::npos) << asked;
    }
    EXPECT_GT(fromFirstRun, 0);
}

TEST(AnalizTexta, LengthOf25EndsTheStart) {
    // Runs of 15 and 12 letters.
    Analysed a = analyse("абвгдежзийклмно прстуфхцчшщъ", {}, 1);
    std::vector<size_t> lengthsFrom[16];
    const std::string run1 = w("АБВГДЕЖЗИЙКЛМНО");
    for (const std::string& asked : a.lookup->asked) {
        const std::string c = w(asked); // every candidate starts in the first run
        lengthsFrom[run1.find(c[0]) + 1].push_back(c.size());
    }
    EXPECT_EQ(lengthsFrom[1], (std::vector<size_t>{27, 26}));
    EXPECT_EQ(lengthsFrom[2], (std::vector<size_t>{26}));
    EXPECT_TRUE(lengthsFrom[3].empty());
    std::vector<size_t> from4;
    for (size_t L = 24; L >= 13; --L) from4.push_back(L); // down to the run boundary, 12 skipped
    EXPECT_EQ(lengthsFrom[4], from4);
}

TEST(AnalizTexta, AWordIsRecordedOnceAtTheFirstPlace) {
    Analysed a = analyse("кот ик и кот ик", {"КОТИК"}, 1);
    ASSERT_EQ(a.p.MaxSlova, 0);
    EXPECT_EQ(a.p.Slova[0].Nachalo, 1);
    // The second place is found in the dictionary again but never recorded.
    EXPECT_EQ(words(a.p), (std::vector<std::string>{"КОТИК"}));
    EXPECT_EQ(a.p.MaxSpisok, 0);
}

TEST(AnalizTexta, PlayModeStopsAtTheFirstHitOfARunEvenAShortOne) {
    // With words from 4 letters ПОТ is short: recorded, not listed, and the
    // search from that run ends there, so ОТИК is never found.
    Analysed play = analyse("по тик", {"ПОТ", "ОТИК"}, 0, 1);
    EXPECT_EQ(words(play.p), (std::vector<std::string>{"ПОТ"}));
    EXPECT_EQ((std::vector{play.p.MaxSpisok, play.p.Slova[0].Vybrano, play.p.Gotovo}), (std::vector{-1, 0, 1}));
    EXPECT_EQ(play.outcome.html, std::optional<std::string>(w("по тик")));

    Analysed create = analyse("по тик", {"ПОТ", "ОТИК"}, 1, 1);
    EXPECT_EQ(words(create.p), (std::vector<std::string>{"ПОТ", "ОТИК"}));
    EXPECT_EQ(create.p.MaxSpisok, 1); // every hit is listed in create mode
    EXPECT_EQ((std::vector{create.p.Slova[0].Vybrano, create.p.Slova[1].Vybrano}), (std::vector{0, 1}));
}

TEST(AnalizTexta, PlayModeKeepsOneWordPerStartingRun) {
    Analysed a = analyse("кот ик лес", {"КОТИК", "ТИК", "ИКЛ"}, 0);
    EXPECT_EQ(words(a.p), (std::vector<std::string>{"КОТИК", "ИКЛ"}));
    EXPECT_EQ(a.p.MaxSpisok, 1);
    EXPECT_EQ(a.p.Spisok[1], 1);
}

TEST(AnalizTexta, QuietRunAddsNoListLinesAndShowsNothing) {
    Analysed a = analyse("кот ик", {"КОТИК"}, 0, 0, 1);
    EXPECT_EQ((std::vector{a.p.MaxSlova, a.p.MaxSpisok}), (std::vector{0, -1}));
    EXPECT_FALSE(a.outcome.html.has_value());
    EXPECT_TRUE(a.outcome.mFileSave);
}

TEST(AnalizTexta, LineBreaksCountAsFourCharacters) {
    Analysed a = analyse("кот\r\nик\nи\rк", {"КОТИК", "ИКИК"}, 1);
    EXPECT_EQ(u(a.p.Tekst), "кот<br>ик<br>и<br>к");
    ASSERT_EQ(a.p.MaxSlova, 1);
    EXPECT_EQ(placed(a.p.Slova[0]), std::tuple("КОТИК", 1, 9, "кот<br>ик"));
    EXPECT_EQ(placed(a.p.Slova[1]), std::tuple("ИКИК", 8, 12, "ик<br>и<br>к"));
}

TEST(AnalizTexta, HyphensDigitsAndUnknownCharactersSplitRuns) {
    Analysed a = analyse("ко-т1ик?", {"КОТИК"}, 1);
    EXPECT_EQ(a.p.MaxSlovaTeksta, 2);
    ASSERT_EQ(a.p.MaxSlova, 0);
    EXPECT_EQ(u(a.p.Slova[0].Fragment), "ко-т1ик");
}

TEST(AnalizTexta, MessagesForTextsWithoutHiddenWords) {
    Analysed latin = analyse("Hello, world 123!", {"КОТ"}, 1);
    EXPECT_EQ(latin.outcome.message, AnalizMessage::NotRussian);
    EXPECT_EQ(latin.outcome.html, std::optional<std::string>(""));
    EXPECT_EQ(analizMessageText(latin.outcome.message), "Этот текст не на русском.");

    Analysed one = analyse("  котик!", {"КОТИК"}, 1);
    EXPECT_EQ(one.outcome.message, AnalizMessage::NoNewWords);
    EXPECT_EQ(one.outcome.html, std::optional<std::string>(""));
    EXPECT_TRUE(one.lookup->asked.empty());

    Analysed none = analyse("ко ти", {}, 0);
    EXPECT_EQ(none.outcome.message, AnalizMessage::NoNewWords);
    EXPECT_FALSE(none.outcome.html.has_value()); // the progress text stays
    for (const Analysed* a : {&latin, &one, &none}) {
        EXPECT_EQ((std::vector{a->p.MaxSlova, a->p.MaxSpisok, a->p.Gotovo}), (std::vector{-1, -1, 0})) << u(a->p.Tekst);
        EXPECT_FALSE(a->outcome.mFileSave);
        EXPECT_EQ(a->p.Slova.size(), 1u);
    }
}

TEST(AnalizTexta, ANewAnalysisDropsThePreviousWords) {
    Analysed a = analyse("кот ик", {"КОТИК"}, 1);
    a.p.Tekst = "latin";
    AnalizTexta(a.p, 0);
    EXPECT_EQ(a.p.MaxSlova, -1);
    EXPECT_EQ(a.p.Slova[0].Slovo, "");
}

TEST(AnalizTexta, UsesTheDictionaryFilesOfPathData) {
    Puzzle p;
    p.PathData = test::fixtureData();
    p.LenSlov = 0;
    StartGame(p, 1, "Ёл, ка! Кот ик... сос на");
    AnalizTexta(p, 0);
    EXPECT_EQ(words(p), (std::vector<std::string>{"ЕЛКА", "КОТИК", "ОТИК", "ТИК", "СОСНА"}));
}

// A test dictionary that also knows its longest word of each letter.
class BoundedLookup : public RecordingLookup {
public:
    explicit BoundedLookup(const std::vector<std::string>& wordsUtf8) : RecordingLookup(wordsUtf8) {
        for (const auto& x : wordsUtf8) {
            const std::string word = w(x);
            longest_[static_cast<unsigned char>(word[0])] = std::max(longest_[static_cast<unsigned char>(word[0])], word.size());
        }
    }
    size_t longestWord(char firstLetter) override { return longest_[static_cast<unsigned char>(firstLetter)]; }

private:
    std::array<size_t, 256> longest_{};
};

// Candidates longer than the longest word of their letter are never asked
// about (long runs made the analysis quadratic), and the words found stay
// those of an analysis that asks about every length.
TEST(AnalizTexta, NoCandidateLongerThanTheLongestWordIsAsked) {
    const std::vector<std::string> words = {"КОТИК", "ИКРА", "ЛЕС", "ЛЕСА",
                                            "ШШШШШШШШШШШШШШШЩЩЩЩЩЩЩЩЩЩЩЩ"}; // 15 + 12 letters
    const auto times = [](int n, const std::string& letter) {
        std::string out;
        for (int i = 0; i < n; ++i) out += letter;
        return out;
    };
    const std::string text = times(90, "ж") + "кот ик, " + times(70, "з") + " ик ра, ле са " + times(15, "ш") + " " +
                             times(12, "щ") + " " + times(40, "л") + " ес";
    for (int typ : {0, 1}) {
        Puzzle bounded, every;
        auto lookup = std::make_shared<BoundedLookup>(words);
        auto unbounded = std::make_shared<RecordingLookup>(words);
        bounded.slovar = lookup;
        every.slovar = unbounded;
        StartGame(bounded, typ, text);
        StartGame(every, typ, text);
        AnalizTexta(bounded, 0);
        AnalizTexta(every, 0);
        ASSERT_EQ(bounded.MaxSlova, every.MaxSlova) << typ;
        for (int i = 0; i <= every.MaxSlova; ++i) EXPECT_EQ(placed(bounded.Slova[i]), placed(every.Slova[i])) << typ << i;
        EXPECT_EQ(bounded.Spisok, every.Spisok);
        EXPECT_EQ(every.MaxSlova, 4); // КОТИК, ИКРА, ЛЕСА, ЛЕС, the long one
        for (const std::string& asked : lookup->asked) {
            const std::string word = w(asked);
            EXPECT_LE(word.size(), lookup->longestWord(word[0])) << asked;
        }
        EXPECT_LT(lookup->asked.size() * 5, unbounded->asked.size());
    }
}

// The cached dictionary answers exactly as a scan of the files would, also
// for files that count fewer items than they hold, quoted items and comma
// separated lines.
TEST(Dictionary, SameWordsAsTheFileScan) {
    const std::string dir = std::string(::testing::TempDir()) + "slovoset-dict/";
    std::filesystem::create_directories(dir);
    auto put = [&](const std::string& name, const std::string& content) {
        smek::writeTextFileAtomic(dir + name, w(content));
    };
    put("К.3", "1\r\nКИТ\r\nКОТ\r\nКОС\r\n");    // items 0..1 count
    put("Т.3", "\"ТИК\", ТОК\r\nТАК\r\n");       // no number first: nothing
    put("И.4", "5\r\n\"ИКОТ\",ИКРА\r\nИ К О\r\n"); // ends early
    put("Л.3", "-1\r\nЛЕС\r\n");
    Dictionary cached(dir);
    DictionaryScan scan(dir);
    for (const char* word : {"КИТ", "КОТ", "КОС", "ТИК", "ТОК", "ТАК", "ИКОТ", "ИКРА", "ЛЕС", "КОТИК", "Я"}) {
        EXPECT_EQ(cached.contains(w(word)), scan.contains(w(word))) << word;
        EXPECT_EQ(cached.wordsAmong(w(word), 1ULL << w(word).size()) != 0, scan.contains(w(word))) << word;
    }
    EXPECT_TRUE(cached.contains(w("КОТ")));
    EXPECT_FALSE(cached.contains(w("КОС")));
    EXPECT_EQ(cached.wordsAmong(w("КОТИК"), ~0ULL), 1ULL << 3);
    EXPECT_EQ(cached.wordsAmong(w("ИКРАМИ"), 1ULL << 4 | 1ULL << 5), 1ULL << 4);

    const std::string text = "Кит ок, ко т ик рам. Ле с! Ел ка ко тик";
    for (int typ : {0, 1}) {
        Puzzle a, b;
        a.PathData = b.PathData = dir;
        b.slovar = std::make_shared<DictionaryScan>(dir);
        StartGame(a, typ, text);
        StartGame(b, typ, text);
        AnalizTexta(a, 0);
        AnalizTexta(b, 0);
        ASSERT_EQ(a.MaxSlova, b.MaxSlova);
        for (int i = 0; i <= a.MaxSlova; ++i) EXPECT_EQ(placed(a.Slova[i]), placed(b.Slova[i])) << typ << i;
        EXPECT_EQ(a.Spisok, b.Spisok);
    }
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace smek::slovoset
