// The author's Ё for the eye: the view and the pages show the letters as
// written while the analysis, positions, game file and answers use Е.
#include "SlovosetTestSupport.h"

#include "slovoset/core/GameFile.h"
#include "slovoset/core/ProverkaOtveta.h"
#include "slovoset/core/SaveHtml.h"
#include "slovoset/core/ShowHtml.h"

#include <gtest/gtest.h>

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

TEST(AuthorLetters, AnalysisSeesEWhileTheViewKeepsYo) {
    auto a = analyse(kText, {"ЛКАЕ", "ИКСОСЕН"}, 1);
    EXPECT_EQ(u(a.p.Tekst), "Елка ежик, сосенка<br>Е");
    EXPECT_EQ(u(tekstDlyaGlaza(a.p)), "Ёлка ёжик, сосёнка<br>Ё");
    ASSERT_EQ(a.p.MaxSlova, 1);
    const SkrytoeSlovo& lkae = a.p.Slova[0];
    EXPECT_EQ(u(lkae.Slovo), "ЛКАЕ");
    EXPECT_EQ(lkae.Nachalo, 2);
    EXPECT_EQ(u(lkae.Fragment), "лка е");
    EXPECT_EQ(u(a.p.Slova[1].Fragment), "ик, сосен");

    const std::string html = ShowSlovo(a.p).html;
    EXPECT_EQ(u(html).substr(0, u(html).find("<br><br>")),
              "Ё" + u(kRed) + "лка ё" + u(kBlack) + "ж" + u(kRed) + "ик, сосён" + u(kBlack) + "ка<br>Ё");
    EXPECT_NE(u(html).find("Ответы: лкае, иксосен"), std::string::npos);
    // The analysis shows the create display itself.
    ASSERT_TRUE(a.outcome.html);
    EXPECT_EQ(*a.outcome.html, html);
}

TEST(AuthorLetters, PlayViewExportAndGameFile) {
    auto play = analyse(kText, {"ЛКАЕ", "ИКСОСЕН"}, 0);
    ASSERT_TRUE(play.outcome.html);
    EXPECT_EQ(u(*play.outcome.html), "Ёлка ёжик, сосёнка<br>Ё");
    // Typed with ё or е, the answer is the word.
    EXPECT_EQ(ProverkaOtveta(play.p, w("иксосён")).kind, Otvet::Kind::Opened);
    const std::string game = u(gameFileText(play.p));
    EXPECT_NE(game.find("Елка ежик, сосенка<br>Е"), std::string::npos);
    EXPECT_EQ(game.find("Ё"), std::string::npos);
    EXPECT_EQ(game.find("ё"), std::string::npos);

    auto create = analyse(kText, {"ЛКАЕ", "ИКСОСЕН"}, 1);
    const std::string body = htmlViewBody(ShowSlovo(create.p).html);
    const HtmlPages pages = exportPages(create.p, w("Ёлки"), body);
    EXPECT_NE(u(pages.puzzle).find("Ёлка ёжик, сосёнка<br>Ё"), std::string::npos);
    EXPECT_NE(u(pages.answers).find("сосён"), std::string::npos);
}

TEST(AuthorLetters, AStaleOrMissingOriginalFallsBackToTekst) {
    Puzzle p;
    p.Tekst = w("ежик");
    EXPECT_EQ(u(tekstDlyaGlaza(p)), "ежик"); // opened from a file: Е only
    p.TekstKakNapisan = w("ёжик");
    EXPECT_EQ(u(tekstDlyaGlaza(p)), "ёжик");
    p.TekstKakNapisan = w("ёлка"); // another text of the same length
    EXPECT_EQ(u(tekstDlyaGlaza(p)), "ежик");
    p.TekstKakNapisan = w("ёжики");
    EXPECT_EQ(u(tekstDlyaGlaza(p)), "ежик");
}

TEST(SourceText, StartingFromItGivesTheSameTekst) {
    const std::string tekst = prepareTekst(w("Ёж\r\nлес\nрека\rморе <br> x"));
    EXPECT_EQ(u(sourceTextOf(tekst)), "Еж\nлес\nрека\nморе \n x");
    EXPECT_EQ(prepareTekst(sourceTextOf(tekst)), tekst);
}

} // namespace
} // namespace smek::slovoset
