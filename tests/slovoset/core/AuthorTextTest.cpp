// SPDX-License-Identifier: GPL-3.0-or-later
// The author's text as written: every character survives the view, both
// kinds of pages, the game file and the answers, while the analysis, the
// positions and the answer check see plain CP1251 letters with Е for Ё.
#include "SlovosetTestSupport.h"
#include "TempFolder.h"

#include "slovoset/core/GameFile.h"
#include "slovoset/core/PrintPages.h"
#include "slovoset/core/ProverkaOtveta.h"
#include "slovoset/core/SaveHtml.h"
#include "slovoset/core/ShowHtml.h"
#include "slovoset/core/TekstKakNapisan.h"

#include "common/core/TextFile.h"

#include <gtest/gtest.h>

#include <fstream>

namespace smek::slovoset {
namespace {

using test::analyse;
using test::u;
using test::w;

const std::string kRed = "</font><font face='Times New Roman' color='red' size='4'><u>";
const std::string kBlack = "</u></font><font face='Times New Roman' color='#000000' size='4'>";

// Ё opens the text, opens a run right after a hidden word's boundary
// (ЛКАЕ: лка|ё) and stands inside a hidden word (ИКСОСЕН: ик, сосён).
const std::string kText = "Ёлка ёжик, сосёнка\r\nЁ";

TEST(AuthorText, AnalysisSeesEWhileTheViewAndTheAnswersKeepYo) {
    auto a = analyse(kText, {"ЛКАЕ", "ИКСОСЕН"}, 1);
    EXPECT_EQ(u(a.p.Tekst), "Елка ежик, сосенка<br>Е");
    EXPECT_EQ(writtenText(a.p), "Ёлка ёжик, сосёнка<br>Ё");
    ASSERT_EQ(a.p.MaxSlova, 1);
    EXPECT_EQ(u(a.p.Slova[0].Slovo), "ЛКАЕ");
    EXPECT_EQ(a.p.Slova[0].Nachalo, 2);
    EXPECT_EQ(u(slovoKakNapisano(a.p, a.p.Slova[0])), "ЛКАЁ");
    EXPECT_EQ(u(slovoKakNapisano(a.p, a.p.Slova[1])), "ИКСОСЁН");

    const std::string html = ShowSlovo(a.p).html;
    EXPECT_EQ(u(html), "Ё" + u(kRed) + "лка ё" + u(kBlack) + "ж" + u(kRed) + "ик, сосён" + u(kBlack) +
                           "ка<br>Ё<br><br>Ответы: лкаё, иксосён");
    ASSERT_TRUE(a.outcome.html);
    EXPECT_EQ(*a.outcome.html, html);

    const HtmlPages plain = exportPages(a.p, w("Ёлки"), htmlViewBody(html));
    EXPECT_NE(u(plain.puzzle).find("Ёлка ёжик, сосёнка<br>Ё"), std::string::npos);
    EXPECT_NE(u(plain.answers).find("Ответы: лкаё, иксосён"), std::string::npos);
    const HtmlPages print = printPages(a.p, w("Ёлки"));
    EXPECT_NE(u(print.answers).find("1. лкаё"), std::string::npos);
    EXPECT_NE(u(print.answers).find("2. иксосён"), std::string::npos);

    // Typed with ё or е, the answer is the word.
    auto play = analyse(kText, {"ЛКАЕ", "ИКСОСЕН"}, 0);
    EXPECT_EQ(ProverkaOtveta(play.p, w("иксосён")).kind, Otvet::Kind::Opened);
}

// The same text plain and as a teacher writes it: stress marks (combining
// and as a sign), a soft hyphen, a zero-width space, a non-breaking hyphen,
// a minus sign, an emoji with its variation selector and a decomposed é.
TEST(AuthorText, MarksAndSignsChangeNoHiddenWord) {
    const std::vector<std::string> words = {"ЗАМОК", "ДЯТЕЛ", "ЫЙЗА", "ОЯЛ", "ЕДМОРОЗ", "ЛИСТ", "ЛЕСТ"};
    const std::string plain = "Старый замок стоял на горе. Вдали стучал дятел, дед-мороз -5, лес 😀 те кафе";
    const std::string marked =
        "Ста́рый за́мок сто´ял на го\u00ADре́. Вдали́ сту\u200Bча́л дя́тел, дед\u2011мороз \u22125, лес "
        "😀\uFE0F те кафе\u0301";
    auto a = analyse(plain, words, 1);
    auto b = analyse(marked, words, 1);
    ASSERT_EQ(a.p.Tekst.size(), b.p.Tekst.size());
    ASSERT_EQ(a.p.MaxSlova, b.p.MaxSlova);
    for (int i = 0; i <= a.p.MaxSlova; ++i) {
        EXPECT_EQ(u(a.p.Slova[i].Slovo), u(b.p.Slova[i].Slovo));
        EXPECT_EQ(a.p.Slova[i].Nachalo, b.p.Slova[i].Nachalo);
    }
    // ЗАМОК and ДЯТЕЛ lie inside one word each: no mark made them hidden words.
    for (int i = 0; i <= b.p.MaxSlova; ++i) {
        EXPECT_NE(u(b.p.Slova[i].Slovo), "ЗАМОК");
        EXPECT_NE(u(b.p.Slova[i].Slovo), "ДЯТЕЛ");
    }
    EXPECT_NE(u(b.p.Tekst).find("дед-мороз -5"), std::string::npos); // the plain stand-ins
    EXPECT_EQ(writtenText(b.p), marked);
    EXPECT_EQ(b.p.Napisano.at(3), "а\u0301");

    // The view and the pages keep every character: CP1251 bytes where the
    // code page has them, numeric character references elsewhere.
    const std::string shown = u(htmlText(b.p.Tekst, b.p.Napisano));
    EXPECT_NE(shown.find("Ста&#769;рый за&#769;мок сто&#180;ял на го\u00ADре&#769;. Вдали&#769; сту&#8203;ча&#769;л"),
              std::string::npos);
    EXPECT_NE(shown.find("дед&#8209;мороз &#8722;5, лес &#128512;&#65039; те кафе&#769;"), std::string::npos);
    EXPECT_NE(u(printPages(b.p, w("Замок")).puzzle).find(shown), std::string::npos);
    EXPECT_NE(u(exportPages(b.p, w("Замок"), {}).puzzle).find(shown), std::string::npos);
    EXPECT_NE(u(ShowSlovo(b.p).html).find("ли&#769; ст" + u(kBlack) + "у&#8203;ча&#769;л"), std::string::npos);

    // Only the emoji had no stand-in; the note names it.
    EXPECT_EQ(withoutStandIn(b.p), std::vector<std::string>{"😀"});
    EXPECT_NE(withoutStandInNote(b.p).find("😀"), std::string::npos);
    EXPECT_EQ(withoutStandInNote(analyse("Ёлка ёжик", words, 1).p), "");
}

TEST(AuthorText, LineBreaksAndMarksWithNothingToJoin) {
    const AuthorText a = authorText("\uFEFF\u0301а\r\n\u0301б\rв\nг\u2028д");
    EXPECT_EQ(u(a.Tekst), "?а<br>?б<br>в<br>г<br>д"); // the byte-order mark is no character
    EXPECT_EQ(a.kakNapisano.at(1), "\u0301");
    EXPECT_EQ(a.kakNapisano.at(7), "\u0301");
    EXPECT_EQ(a.kakNapisano.size(), 2u);
    const AuthorText broken = authorText("а\xFF" "б"); // a stray byte is shown, never dropped
    EXPECT_EQ(u(broken.Tekst), "а?б");
    EXPECT_EQ(broken.kakNapisano.at(2), "\uFFFD");
}

TEST(AuthorText, TheGameFileKeepsTheTextAsWritten) {
    smek::TempFolder folder;
    const std::string file = (folder.path() / "ёлки.sst").string();
    const std::string text = "Ёлка ёжик, сосёнка́ 😀 &#769; a&b\r\nЁ";
    auto a = analyse(text, {"ЛКАЕ", "ИКСОСЕН"}, 0);
    a.p.PathData = test::fixtureData();
    const std::string saved = gameFileText(a.p);
    // The designed lines stay as they were; the text as written follows the
    // flags, where no designed reader looks.
    EXPECT_EQ(u(saved), "[slovoset]\r\n 0\r\n" + u(a.p.Tekst) +
                            "\r\n 0\r\n 0\r\n 0\r\n 0\r\n[tekst]\r\n"
                            "Ёлка ёжик, сосёнка&#769; &#128512; &amp;#769; a&amp;b<br>Ё\r\n");
    const std::optional<Puzzle> back = readGame(a.p, saved + "\r\n");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Tekst, a.p.Tekst);
    EXPECT_EQ(back->Napisano, a.p.Napisano);
    EXPECT_EQ(writtenText(*back), "Ёлка ёжик, сосёнка́ 😀 &#769; a&b<br>Ё");

    // Through the file and the source box again: the same puzzle.
    ASSERT_EQ(SaveGame(a.p, file, [](const std::string&) { return true; }).kind, SaveOutcome::Kind::Saved);
    Puzzle opened = a.p;
    ASSERT_TRUE(OpenGame(opened, file).ok);
    EXPECT_EQ(writtenText(opened), writtenText(a.p));
    Puzzle again = a.p;
    StartGame(again, 0, sourceTextOf(writtenText(opened)));
    EXPECT_EQ(again.Tekst, a.p.Tekst);
    EXPECT_EQ(again.Napisano, a.p.Napisano);

    // A text without Ё or other characters writes the designed file only.
    auto plain = analyse("Ел ка, ле с", {"ЛКАЛ"}, 0);
    EXPECT_EQ(gameFileText(plain.p).find("[tekst]"), std::string::npos);

    // A file from before, and one whose two texts no longer match, open with Tekst.
    const std::string old = "[slovoset]\r\n 0\r\n" + a.p.Tekst + "\r\n 1\r\n 1\r\n 0\r\n 0\r\n\r\n";
    const std::optional<Puzzle> before = readGame(a.p, old);
    ASSERT_TRUE(before);
    EXPECT_TRUE(before->Napisano.empty());
    EXPECT_EQ(before->Slova[0].Otgadano, 1);
    const std::optional<Puzzle> edited = readGame(a.p, old.substr(0, old.size() - 2) + "[tekst]\r\nдругой\r\n\r\n");
    ASSERT_TRUE(edited);
    EXPECT_TRUE(edited->Napisano.empty());
    EXPECT_FALSE(readGame(a.p, old.substr(0, old.size() - 2) + "[tekst]\r\nx\r\n 1\r\n"));
}

TEST(AuthorText, WrittenLinesReadBackLeniently) {
    EXPECT_EQ(fromWrittenLine(w("a&amp;b &#1025; & &#; &#99999999; &#55296; &#x41;")),
              "a&b Ё & &#; &#99999999; &#55296; &#x41;");
}

// "Старый авто мобиле строение видел.": ТОМ (то|м) is listed before
// АВТОМОБИЛЕСТРОЕНИЕ, which starts two letters earlier in the same word.
TEST(AuthorText, UnderlineStartsAtTheFirstLetterAndHintsFollowTheText) {
    auto a = analyse("Старый авто мобиле строение видел.", {"ТОМ", "АВТОМОБИЛЕСТРОЕНИЕ"}, 1);
    ASSERT_EQ(a.p.MaxSpisok, 1);
    EXPECT_EQ(u(slovoOfLine(a.p, 0).Slovo), "ТОМ");
    EXPECT_EQ(u(markedText(a.p)), "Старый " + u(kRed) + "авто мобиле строение" + u(kBlack) + " видел.");
    EXPECT_EQ(hintsText(a.p), " 18,  3");
    const HtmlPages pages = printPages(a.p, w("Т"));
    EXPECT_LT(u(pages.answers).find("1. автомобилестроение"), u(pages.answers).find("2. том"));
}

TEST(SourceText, StartingFromItGivesTheSameTekst) {
    const std::string tekst = authorText("Ёж\r\nлес\nрека\rморе <br> x").Tekst;
    EXPECT_EQ(u(sourceTextOf(tekst)), "Еж\nлес\nрека\nморе \n x");
    EXPECT_EQ(authorText(u(sourceTextOf(tekst))).Tekst, tekst);
}

} // namespace
} // namespace smek::slovoset
