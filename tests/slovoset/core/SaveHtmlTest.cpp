// SPDX-License-Identifier: GPL-3.0-or-later
#include "SlovosetTestSupport.h"
#include "TempFolder.h"

#include "slovoset/core/SaveHtml.h"
#include "slovoset/core/ShowHtml.h"

#include "common/core/TextFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <unistd.h>

namespace smek::slovoset {
namespace {

namespace fs = std::filesystem;
using test::w;

const std::string kHead =
    "<!DOCTYPE HTML PUBLIC '-//W3C//DTD HTML 4.0 Transitional//EN'><html><head><meta http-equiv=\"Content-Type\" "
    "content=\"text/html; charset=windows-1251\">";

// Chosen words of 5, 7 and 4 letters, and one that is not chosen.
Puzzle smallPuzzle() {
    Puzzle p;
    p.TypGame = 1;
    p.Tekst = w("Кот ик<br>a<b & c");
    for (const auto& [slovo, vybrano] :
         std::vector<std::pair<std::string, int>>{{"КОТИК", 1}, {"ТИК", 0}, {"АБВГДЕЖ", 1}, {"АБВГ", 1}}) {
        SkrytoeSlovo s;
        s.Slovo = w(slovo);
        s.Vybrano = vybrano;
        s.Nachalo = 1;
        ++p.MaxSlova;
        p.Slova.resize(static_cast<size_t>(p.MaxSlova) + 1);
        p.Slova.back() = s;
        SpisokAdd(p, p.MaxSlova);
    }
    return p;
}

TEST(SaveHtml, AnswersPath) {
    EXPECT_EQ(answersPath("/home/u/Лес.html"), "/home/u/Лес_ответы.html");
    EXPECT_EQ(answersPath("/home/u/Лес"), "/home/u/Лес_ответы.html");
    EXPECT_EQ(answersPath("/home/u/мои.игры/Лес"), "/home/u/мои.игры/Лес_ответы.html");
    EXPECT_EQ(answersPath("C:\\Игры.x\\Лес"), "C:\\Игры.x\\Лес_ответы.html");
    EXPECT_EQ(answersPath("C:\\Игры\\Лес.1.html"), "C:\\Игры\\Лес.1_ответы.html");
}

TEST(SaveHtml, Hints) {
    Puzzle p = smallPuzzle();
    EXPECT_EQ(hintsText(p), " 5,  7,  4");
    for (auto& s : p.Slova) s.Vybrano = 0;
    EXPECT_EQ(hintsText(p), "");
}

TEST(SaveHtml, PagesByteForByte) {
    const Puzzle p = smallPuzzle();
    const std::string text2 = htmlViewBody("ANSWERS");
    const HtmlPages pages = exportPages(p, w("Лес <i>"), text2);
    const std::string head = kHead + w("<title>Словосеть: Лес &lt;i&gt;") +
                             "</title></head><body topmargin=0 leftmargin=0 rightmargin=0 scroll=no>"
                             "<table width='100%'><td><center><font face='Times New Roman' color='#000000' size='5'>" +
                             w("Лес &lt;i&gt;");
    EXPECT_EQ(pages.puzzle,
              head + "</font></center><font face='Times New Roman' color='#000000' size='4'>" +
                  w("Кот ик<br>a&lt;b &amp; c") +
                  w("<br><br>Подсказки. Число букв в нужных словах в порядке их появления в тексте:") +
                  " 5,  7,  4</font></td></table></body></html>");
    EXPECT_EQ(pages.answers, head + "</font></center></td></table>" + text2);
}

TEST(SaveHtml, WritesBothPagesAndTheAnswersWithoutAQuestion) {
    const smek::TempFolder folder;
    const fs::path dir = folder.path();
    fs::create_directories(dir / "мои.игры");
    const std::string base = (dir / "мои.игры" / "Лес").string();
    smek::writeTextFileAtomic(base + "_ответы.html", "old answers");
    smek::writeTextFileAtomic(base + ".html", "old page");

    Puzzle p = smallPuzzle();
    p.Nazvanie = w("Лес");
    int questions = 0;
    auto no = [&](const std::string&) {
        ++questions;
        return false;
    };
    // No to replacing the puzzle page writes neither page: the kept puzzle
    // page and its answers stay a pair.
    std::vector<SaveOutcome> r = SaveHtml(p, base, "BODY", no);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_TRUE(r[0].kind == SaveOutcome::Kind::Declined && r[1].kind == SaveOutcome::Kind::Withheld);
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(smek::readTextFile(base + ".html").content, "old page");
    EXPECT_EQ(smek::readTextFile(base + "_ответы.html").content, "old answers");
    EXPECT_EQ(p.ImyaFile, "");

    const HtmlPages pages = exportPages(p, p.Nazvanie, "BODY");
    r = SaveHtml(p, base, "BODY", [](const std::string&) { return true; });
    ASSERT_EQ(r.size(), 2u);
    EXPECT_TRUE(r[0].kind == SaveOutcome::Kind::Saved && r[1].kind == SaveOutcome::Kind::Saved);
    EXPECT_EQ(smek::readTextFile(base + ".html").content, pages.puzzle + "\r\n");
    EXPECT_EQ(smek::readTextFile(base + "_ответы.html").content, pages.answers + "\r\n");
    EXPECT_EQ(p.ImyaFile, base + "_ответы.html");
}

TEST(SaveHtml, APageThatCannotBeWrittenLeavesBothPagesAsTheyWere) {
    const smek::TempFolder folder;
    const std::string base = (folder.path() / "Лес").string();
    const auto yes = [](const std::string&) { return true; };
    const auto files = [&] {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.path())) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    };
    Puzzle p = smallPuzzle();
    p.Nazvanie = w("Лес");

    // The puzzle page is write-protected: no answers page appears.
    smek::writeTextFileAtomic(base + ".html", "old page");
    fs::permissions(base + ".html", fs::perms::owner_read);
    std::vector<SaveOutcome> r = SaveHtml(p, base, "BODY", yes);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].kind, SaveOutcome::Kind::Failed);
    EXPECT_NE(r[0].message.find("защищён от записи."), std::string::npos);
    EXPECT_EQ(r[1].kind, SaveOutcome::Kind::Withheld);
    EXPECT_EQ(files(), std::vector<std::string>{"Лес.html"});
    EXPECT_EQ(smek::readTextFile(base + ".html").content, "old page");

    // The puzzle page's name is a folder: likewise.
    fs::remove(base + ".html");
    fs::create_directory(base + ".html");
    r = SaveHtml(p, base, "BODY", yes);
    EXPECT_EQ(r[0].kind, SaveOutcome::Kind::Failed);
    EXPECT_EQ(files(), std::vector<std::string>{"Лес.html"});

    // The answers page cannot be written: the puzzle page keeps its old text.
    fs::remove(base + ".html");
    smek::writeTextFileAtomic(base + ".html", "old page");
    fs::create_directory(base + "_ответы.html");
    r = SaveHtml(p, base, "BODY", yes);
    EXPECT_TRUE(r[0].kind == SaveOutcome::Kind::Withheld && r[1].kind == SaveOutcome::Kind::Failed);
    EXPECT_EQ(smek::readTextFile(base + ".html").content, "old page");
    EXPECT_EQ(files(), (std::vector<std::string>{"Лес.html", "Лес_ответы.html"}));
    EXPECT_EQ(p.ImyaFile, "");
}

} // namespace
} // namespace smek::slovoset
