// SPDX-License-Identifier: GPL-3.0-or-later
#include "SlovosetTestSupport.h"
#include "FolderTest.h"

#include "slovoset/core/AnalizTexta.h"
#include "slovoset/core/GameFile.h"
#include "slovoset/core/StartGame.h"

#include "common/core/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace smek::slovoset {
namespace {

namespace fs = std::filesystem;
using test::w;

class GameFile : public FolderTest {
protected:
    std::string path(const std::string& name) const { return (dir / name).string(); }
    static void write(const std::string& file, const std::string& content) {
        std::ofstream(file, std::ios::binary) << content;
    }
    static std::string read(const std::string& file) { return smek::readTextFile(file).content; }
    // Each word's Vybrano and Otgadano.
    using Flags = std::vector<std::pair<int, int>>;
    static Flags flags(const Puzzle& p) {
        Flags out;
        for (int i = 0; i <= p.MaxSlova; ++i) out.emplace_back(p.Slova[static_cast<size_t>(i)].Vybrano, p.Slova[static_cast<size_t>(i)].Otgadano);
        return out;
    }

    // The fixture dictionary finds ЕЛКА, ЛЕС, КОТИК in this text.
    static Puzzle playPuzzle() {
        Puzzle p;
        p.PathData = test::fixtureData();
        StartGame(p, 0, "Ел ка, ле с и кот ик");
        AnalizTexta(p, 0);
        return p;
    }

    std::vector<std::string> asked;
    // An overwrite question answered so, and kept in `asked`.
    std::function<bool(const std::string&)> answering(bool answer) {
        return [this, answer](const std::string& q) { asked.push_back(q); return answer; };
    }
    std::function<bool(const std::string&)> yes = answering(true), no = answering(false);
};

TEST_F(GameFile, ProposedName) {
    EXPECT_EQ(proposedName(""), "");
    for (const char* path : {"/home/u/Игры/задача.sst", "C:\\Игры\\задача.1.sst", "/home/u/мои.игры/задача"})
        EXPECT_EQ(proposedName(path), "задача") << path;
}

TEST_F(GameFile, SavedBytesAreTheDesignedLines) {
    Puzzle p = playPuzzle();
    ASSERT_EQ(p.MaxSlova, 2);
    p.Slova[1].Vybrano = p.Slova[1].Otgadano = 1;
    const SaveOutcome r = SaveGame(p, path("партия"), yes);
    EXPECT_EQ(r.kind, SaveOutcome::Kind::Saved);
    EXPECT_EQ(p.ImyaFile, path("партия.sst"));
    EXPECT_EQ(read(path("партия.sst")),
              "[slovoset]\r\n 0\r\n" + w("Ел ка, ле с и кот ик") + "\r\n 0\r\n 0\r\n 1\r\n 1\r\n 0\r\n 0\r\n\r\n");
    EXPECT_TRUE(asked.empty());
}

TEST_F(GameFile, ANameWithAnExtensionStaysAsChosen) {
    Puzzle p = playPuzzle();
    EXPECT_EQ(SaveGame(p, path("партия.txt"), yes).kind, SaveOutcome::Kind::Saved);
    EXPECT_TRUE(fs::exists(path("партия.txt")) && !fs::exists(path("партия.txt.sst")));
}

TEST_F(GameFile, OverwriteQuestion) {
    Puzzle p = playPuzzle();
    write(path("чужой.sst"), "old");
    EXPECT_EQ(SaveGame(p, path("чужой.sst"), no).kind, SaveOutcome::Kind::Declined);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], "Файл \"" + path("чужой.sst") + "\" уже существует.\r\nЗаменить его?");
    EXPECT_EQ(read(path("чужой.sst")), "old");
    EXPECT_EQ(p.ImyaFile, "");

    EXPECT_EQ(SaveGame(p, path("чужой.sst"), yes).kind, SaveOutcome::Kind::Saved);
    EXPECT_EQ(SaveGame(p, path("чужой.sst"), no).kind, SaveOutcome::Kind::Saved); // the current file: no question
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(SaveFileText(p, 1, path("ответы.html"), "x", no).kind, SaveOutcome::Kind::Saved);
    write(path("другой.html"), "old");
    EXPECT_EQ(SaveFileText(p, 1, path("другой.html"), "y", no).kind, SaveOutcome::Kind::Saved);
    EXPECT_EQ(asked.size(), 2u); // mode 1 never asks
    EXPECT_EQ(read(path("другой.html")), "y\r\n");
}

TEST_F(GameFile, SavingOverAFolderAsksNothingAndFails) {
    Puzzle p = playPuzzle();
    fs::create_directory(path("игра.sst"));
    const SaveOutcome r = SaveGame(p, path("игра.sst"), yes);
    EXPECT_EQ(r.kind, SaveOutcome::Kind::Failed);
    EXPECT_EQ(r.message, "Файл \"" + path("игра.sst") + "\" сохранить не возможно.");
    EXPECT_TRUE(asked.empty() && fs::is_directory(path("игра.sst")));
}

TEST_F(GameFile, WriteFailuresKeepTheOldFile) {
    Puzzle p = playPuzzle();
    write(path("ro.sst"), "old");
    fs::permissions(path("ro.sst"), fs::perms::owner_read); // protected for root too
    const SaveOutcome r = SaveGame(p, path("ro.sst"), yes);
    EXPECT_EQ(r.kind, SaveOutcome::Kind::Failed);
    EXPECT_EQ(r.message, "Файл \"" + path("ro.sst") + "\" защищён от записи.");
    EXPECT_EQ(read(path("ro.sst")), "old");
    const SaveOutcome missing = SaveGame(p, path("нет/партия.sst"), yes);
    EXPECT_EQ(missing.kind, SaveOutcome::Kind::Failed);
    EXPECT_EQ(missing.message, "Файл \"" + path("нет/партия.sst") + "\" сохранить не возможно.");
    EXPECT_EQ(p.ImyaFile, "");
}

TEST_F(GameFile, OpenRestoresThePuzzleAndItsCounters) {
    Puzzle saved = playPuzzle();
    saved.LenSlov = 1; // ЕЛКА and КОТИК listed, ЛЕС short
    SelectSlovo(saved);
    saved.Slova[0].Vybrano = 1; // revealed
    saved.Slova[2].Vybrano = saved.Slova[2].Otgadano = 1; // guessed
    ASSERT_EQ(SaveGame(saved, path("партия"), yes).kind, SaveOutcome::Kind::Saved);

    Puzzle p;
    p.PathData = test::fixtureData();
    p.TypGame = 1;
    p.Nazvanie = "keep";
    const OpenOutcome r = OpenGame(p, path("партия"));
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.path, path("партия.sst"));
    EXPECT_EQ(p.ImyaFile, path("партия.sst"));
    EXPECT_EQ(p.Tekst, saved.Tekst);
    // TypGame, LenSlov, MaxSpisok, Otkryto, Ugadano, Gotovo.
    EXPECT_EQ((std::vector{p.TypGame, p.LenSlov, p.MaxSpisok, p.Otkryto, p.Ugadano, p.Gotovo}), (std::vector{0, 1, 1, 1, 0, 1}));
    EXPECT_TRUE(r.select.showBanner); // every listed word was open
    EXPECT_NE(r.select.show.html.find("color='green'"), std::string::npos);
    EXPECT_NE(r.select.show.html.find("color='red'"), std::string::npos);
    EXPECT_EQ(p.Nazvanie, "keep");
}

TEST_F(GameFile, OpenFailuresChangeNothing) {
    Puzzle p = playPuzzle();
    p.Slova[0].Vybrano = 1;
    const Puzzle before = p;
    const std::string header = "[slovoset]\r\n 0\r\n" + w("Ел ка, ле с и кот ик") + "\r\n";
    const std::string flags = " 0\r\n 0\r\n 1\r\n 1\r\n 0\r\n 0\r\n";
    const std::vector<std::pair<std::string, std::string>> refused = {
        {"slovolov", "[slovolov]\r\n 1 \r\n"},
        {"empty", ""},
        {"no text", "[slovoset]\r\n 0\r\n"},
        {"length 22", "[slovoset]\r\n 22\r\n" + w("Ел ка, ле с и кот ик") + "\r\n" + flags + "\r\n"},
        {"length -1", "[slovoset]\r\n-1\r\n" + w("Ел ка, ле с и кот ик") + "\r\n" + flags + "\r\n"},
        {"length text", "[slovoset]\r\n x\r\n" + w("Ел ка, ле с и кот ик") + "\r\n" + flags + "\r\n"},
        {"flag 2", header + " 0\r\n 0\r\n 2\r\n 1\r\n 0\r\n 0\r\n\r\n"},
        {"flag -1", header + " 0\r\n 0\r\n-1\r\n 1\r\n 0\r\n 0\r\n\r\n"},
        {"flag text", header + " 0\r\n 0\r\n x\r\n 1\r\n 0\r\n 0\r\n\r\n"},
        {"flag beyond the words 2", header + flags + " 2\r\n\r\n"},
        {"a flag after the end", header + " 0\r\n 0\r\n\r\n 1\r\n"},
        {"no words", "[slovoset]\r\n 0\r\n" + w("Ел") + "\r\n\r\n"},
        {"binary", std::string("\0\xFF\r\n\x01", 5)},
    };
    for (const auto& [name, content] : refused) {
        write(path("bad.sst"), content);
        const OpenOutcome r = OpenGame(p, path("bad.sst"));
        EXPECT_FALSE(r.ok) << name;
        EXPECT_EQ(r.message, "Файл \"" + path("bad.sst") + "\" не подходит к программе.") << name;
        EXPECT_EQ(p.Tekst, before.Tekst) << name;
        EXPECT_EQ(p.Slova[0].Vybrano, 1) << name;
        EXPECT_EQ(p.MaxSpisok, before.MaxSpisok) << name;
    }

    const OpenOutcome missing = OpenGame(p, path("нет.sst"));
    EXPECT_EQ(missing.message, "Файл \"" + path("нет.sst") + "\" не найден.");
    const OpenOutcome folder = OpenGame(p, dir.string() + "/.sst");
    EXPECT_FALSE(folder.ok);
    EXPECT_EQ(p.ImyaFile, before.ImyaFile);

    // Kind and size before reading: a pipe is not waited on, a huge file not read.
    ASSERT_EQ(::mkfifo(path("pipe.sst").c_str(), 0600), 0);
    EXPECT_EQ(OpenGame(p, path("pipe.sst")).message, "Файл \"" + path("pipe.sst") + "\" открыть не возможно.");
    write(path("huge.sst"), "[slovoset]\r\n");
    fs::resize_file(path("huge.sst"), smek::kMaxTextFileBytes + 1);
    EXPECT_EQ(OpenGame(p, path("huge.sst")).message, "Файл \"" + path("huge.sst") + "\" не подходит к программе.");
    EXPECT_EQ(p.Tekst, before.Tekst);

    // LF line ends and a missing final empty line are still the same game.
    write(path("lf.sst"), "[slovoset]\n 0\n" + w("Ел ка, ле с и кот ик") + "\n0\n0\n1\n1\n0\n0");
    EXPECT_TRUE(OpenGame(p, path("lf.sst")).ok);
}

// A game saved before the dictionary changed: the flags go to the words found
// now, in order; words without a flag keep what the analysis gave them and
// flags beyond the words are ignored, all without a message.
TEST_F(GameFile, AGameSavedWithAnotherDictionaryOpens) {
    const std::string text = w("Ел ка, ле с и кот ик"); // ЕЛКА, ЛЕС, КОТИК today
    Puzzle p = playPuzzle();
    // Saved when the analysis found two words: ЕЛКА open and guessed, ЛЕС open.
    write(path("fewer.sst"), "[slovoset]\r\n 0\r\n" + text + "\r\n 1\r\n 1\r\n 1\r\n 0\r\n\r\n");
    const OpenOutcome fewer = OpenGame(p, path("fewer.sst"));
    ASSERT_TRUE(fewer.ok) << fewer.message;
    ASSERT_EQ(p.MaxSlova, 2);
    EXPECT_EQ(flags(p), (Flags{{1, 1}, {1, 0}, {0, 0}})); // the third: the analysis's values
    EXPECT_EQ(p.Ugadano, 0);

    // Saved when it found four: the fourth pair is ignored.
    write(path("more.sst"), "[slovoset]\r\n 0\r\n" + text +
                                "\r\n 0\r\n 0\r\n 0\r\n 0\r\n 1\r\n 1\r\n 1\r\n 1\r\n\r\n");
    const OpenOutcome more = OpenGame(p, path("more.sst"));
    ASSERT_TRUE(more.ok) << more.message;
    ASSERT_EQ(p.MaxSlova, 2);
    EXPECT_EQ(flags(p), (Flags{{0, 0}, {0, 0}, {1, 1}}));

    // No flags at all: the analysis's game, as a fresh start of that text.
    write(path("none.sst"), "[slovoset]\r\n 0\r\n" + text + "\r\n");
    EXPECT_TRUE(OpenGame(p, path("none.sst")).ok);
    EXPECT_EQ(p.Otkryto, -1);
}

} // namespace
} // namespace smek::slovoset
