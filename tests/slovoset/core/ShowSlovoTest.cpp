// SPDX-License-Identifier: GPL-3.0-or-later
#include "SlovosetTestSupport.h"

#include "slovoset/core/ShowHtml.h"
#include "slovoset/core/StartGame.h"

#include <gtest/gtest.h>

namespace smek::slovoset {
namespace {

using test::w;

// The tags as the design spells them.
const std::string kRed = "</font><font face='Times New Roman' color='red' size='4'><u>";
const std::string kGreen = "</font><font face='Times New Roman' color='green' size='4'><u>";
const std::string kBlack = "</u></font><font face='Times New Roman' color='#000000' size='4'>";

SkrytoeSlovo slovo(const std::string& utf8, int nachalo, int dlina, int vybrano, int otgadano = 0) {
    SkrytoeSlovo s;
    s.Slovo = w(utf8);
    s.Nachalo = nachalo;
    s.DlinaVTexte = dlina;
    s.Vybrano = vybrano;
    s.Otgadano = otgadano;
    return s;
}

// A puzzle whose list holds every word in the given order.
Puzzle puzzle(int typ, const std::string& tekst, std::vector<SkrytoeSlovo> slova) {
    Puzzle p;
    p.TypGame = typ;
    p.Tekst = tekst;
    p.Slova = std::move(slova);
    p.MaxSlova = static_cast<int>(p.Slova.size()) - 1;
    if (p.Slova.empty()) p.Slova.resize(1);
    for (int i = 0; i <= p.MaxSlova; ++i) SpisokAdd(p, i);
    p.Gotovo = 1;
    return p;
}

TEST(ShowSlovo, TagLengthsAreTheDesignedOnes) {
    EXPECT_EQ(kRed.size(), 60u);
    EXPECT_EQ(kGreen.size(), 62u);
    EXPECT_EQ(kBlack.size(), 65u);
}

TEST(ShowSlovo, UnselectedWordsLeaveThePlainText) {
    const Puzzle p = puzzle(0, "aaa bbb ccc", {slovo("АБ", 1, 6, 0), slovo("БВ", 5, 6, 0)});
    const ShowSlovoResult r = ShowSlovo(p);
    EXPECT_EQ(r.html, "aaa bbb ccc");
    EXPECT_TRUE(r.mFileSave);
}

TEST(ShowSlovo, OverlappingWordsShareOneUnderlineInTheFirstColour) {
    const Puzzle p = puzzle(0, "aaa bbb ccc ddd", {slovo("А", 1, 7, 1, 1), slovo("Б", 5, 7, 1, 0)});
    EXPECT_EQ(ShowSlovo(p).html, kGreen + "aaa bbb ccc" + kBlack + " ddd");
}

TEST(ShowSlovo, AdjacentWordsGetTwoUnderlines) {
    const Puzzle p = puzzle(0, "aaa bbb ccc ddd", {slovo("А", 1, 7, 1, 0), slovo("Б", 8, 4, 1, 1)});
    EXPECT_EQ(ShowSlovo(p).html, kRed + "aaa bbb" + kBlack + kGreen + " ccc" + kBlack + " ddd");
}

TEST(ShowSlovo, AnUnselectedWordInsideAnUnderlineIsSwallowedWithoutWidening) {
    const Puzzle p = puzzle(0, "aaa bbb ccc ddd eee",
                            {slovo("А", 1, 7, 1), slovo("Б", 5, 11, 0), slovo("В", 13, 3, 1, 1)});
    EXPECT_EQ(ShowSlovo(p).html, kRed + "aaa bbb" + kBlack + " ccc " + kGreen + "ddd" + kBlack + " eee");
}

TEST(ShowSlovo, AWordListedLaterThatStartsEarlierJoinsTheUnderline) {
    // Create mode lists a run's three-run words after its two-run ones, so a
    // later line can start before an earlier underline ends.
    const Puzzle p = puzzle(1, "aa bb cc dd ee", {slovo("ВГ", 7, 4, 1), slovo("ЕЖ", 12, 3, 0),
                                                  slovo("БВГ", 4, 8, 1)});
    const std::string html = ShowSlovo(p).html;
    EXPECT_EQ(html, "aa " + kRed + "bb cc dd" + kBlack + " ee" + w("<br><br>Ответы: вг, бвг"));
}

TEST(ShowSlovo, CreateModeListsTheChosenAnswersInSmallLetters) {
    Puzzle p = puzzle(1, "x", {slovo("КОТИК", 1, 1, 1), slovo("ТИК", 1, 1, 0), slovo("ЁЛКА", 1, 1, 1)});
    p.Tekst = "xyz";
    p.Slova[2].Nachalo = 3;
    EXPECT_EQ(ShowSlovo(p).html, kRed + "x" + kBlack + "y" + kRed + "z" + kBlack + w("<br><br>Ответы: котик, ёлка"));
    for (int i = 0; i <= p.MaxSlova; ++i) p.Slova[static_cast<size_t>(i)].Vybrano = 0;
    EXPECT_EQ(ShowSlovo(p).html, "xyz" + w("<br><br>Ответы: "));
}

TEST(ShowSlovo, SaveNeedsAtLeastTwoListLines) {
    Puzzle p = puzzle(0, "aaa", {slovo("А", 1, 3, 0)});
    EXPECT_FALSE(ShowSlovo(p).mFileSave);
}

TEST(ShowSlovo, TheAuthorsMarkupShowsAsCharacters) {
    const Puzzle p = puzzle(0, "<b>&<br>", {slovo("А", 2, 1, 1)});
    EXPECT_EQ(ShowSlovo(p).html, "&lt;" + kRed + "b" + kBlack + "&gt;&amp;<br>");
    EXPECT_EQ(htmlText("<script>x</script><br><br"), "&lt;script&gt;x&lt;/script&gt;<br>&lt;br");
}

TEST(ShowHtml, ShownMarksLeaveOutBlanksAndLineBreaks) {
    const std::string t = w("Сыр,  оса<br>\tдом &lt;\u00A0x");
    EXPECT_EQ(shownMarksBefore(t, 1), 0);
    EXPECT_EQ(shownMarksBefore(t, 5), 4);  // "Сыр,"
    EXPECT_EQ(shownMarksBefore(t, 7), 4);  // the two blanks
    EXPECT_EQ(shownMarksBefore(t, 10), 7); // up to the line break
    EXPECT_EQ(shownMarksBefore(t, 15), 7); // "<br>" and the tab
    EXPECT_EQ(shownMarksBefore(t, 1000), 15);
    EXPECT_EQ(shownMarksBefore(t, -3), 0);
}

TEST(ShowHtml, ViewDocumentAndBody) {
    EXPECT_EQ(htmlViewBody(kIdetAnaliz),
              "<!- up --><table><td><font face='Times New Roman' color='#000000' size='4'>" + w("Идёт анализ...") +
                  "</font></td></table></body></html>");
    EXPECT_EQ(htmlViewDocument("x"),
              "<!DOCTYPE HTML PUBLIC '-//W3C//DTD HTML 4.0 Transitional//EN'><html><head><meta "
              "http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\"><title></title></head><body "
              "topmargin=0 leftmargin=0 rightmargin=0><!- up --><table><td><font face='Times New Roman' "
              "color='#000000' size='4'>x</font></td></table></body></html>");
}

TEST(StartGame, QuestionOnlyFromPlayToCreate) {
    Puzzle p;
    EXPECT_FALSE(needsCreateQuestion(p, 1));
    p.TypGame = 0;
    EXPECT_TRUE(needsCreateQuestion(p, 1));
    EXPECT_FALSE(needsCreateQuestion(p, 0));
    p.TypGame = 1;
    EXPECT_FALSE(needsCreateQuestion(p, 1));
}

TEST(StartGame, EmptyBoxChangesNothing) {
    Puzzle p;
    p.TypGame = 0;
    p.Tekst = "old";
    p.ImyaFile = "/x.sst";
    EXPECT_FALSE(StartGame(p, 1, ""));
    EXPECT_EQ(p.TypGame, 0);
    EXPECT_EQ(p.Tekst, "old");
    EXPECT_EQ(p.ImyaFile, "/x.sst");
    EXPECT_TRUE(StartGame(p, 1, "Ёж\r\n"));
    EXPECT_EQ(p.Tekst, w("Еж<br>"));
    EXPECT_EQ(p.TypGame, 1);
    EXPECT_EQ(p.ImyaFile, "");
}


TEST(SelectSlovo, CreateModeRechoosesByLengthAndListsEverything) {
    Puzzle p = puzzle(1, "xxxxxxxx", {slovo("АБВ", 1, 3, 1), slovo("АБВГД", 2, 5, 0), slovo("АБВГ", 3, 4, 1)});
    p.LenSlov = 2; // from 5 letters
    const SelectSlovoResult r = SelectSlovo(p);
    EXPECT_EQ(p.MaxSpisok, 2);
    EXPECT_EQ(p.Slova[0].Vybrano, 0);
    EXPECT_EQ(p.Slova[1].Vybrano, 1);
    EXPECT_EQ(p.Slova[2].Vybrano, 0);
    EXPECT_FALSE(r.showBanner);
    EXPECT_EQ(p.Gotovo, 1);
    EXPECT_NE(r.show.html.find(w("Ответы: абвгд")), std::string::npos);
}

TEST(SelectSlovo, PlayModeListsLongWordsAndRecountsTheOpenOnes) {
    Puzzle p = puzzle(0, "xxxxxxxxxx", {slovo("АБВ", 1, 3, 1, 1), slovo("АБВГД", 4, 5, 1, 1),
                                        slovo("АБВГ", 9, 2, 0), slovo("АБВГДЕ", 9, 2, 1, 0)});
    p.LenSlov = 1; // from 4 letters
    SelectSlovoResult r = SelectSlovo(p);
    EXPECT_EQ(p.MaxSpisok, 2);
    EXPECT_EQ(p.Spisok, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(p.Otkryto, 1);
    EXPECT_EQ(p.Ugadano, 0);
    EXPECT_FALSE(r.showBanner);
    EXPECT_EQ(p.Slova[0].Vybrano, 1); // play mode keeps what was opened

    p.LenSlov = 3; // from 6 letters: only the revealed word stays, already open
    r = SelectSlovo(p);
    EXPECT_EQ(p.MaxSpisok, 0);
    EXPECT_EQ(p.Otkryto, 0);
    EXPECT_EQ(p.Ugadano, -1);
    EXPECT_TRUE(r.showBanner);

    p.LenSlov = 21; // nothing listed: no banner
    r = SelectSlovo(p);
    EXPECT_EQ(p.MaxSpisok, -1);
    EXPECT_FALSE(r.showBanner);
}

} // namespace
} // namespace smek::slovoset
