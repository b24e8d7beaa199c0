// SPDX-License-Identifier: GPL-3.0-or-later
// Settings file, saved games, look-up page.
#include "Helpers.h"
#include "slovolov/core/Lookup.h"
#include "slovolov/core/Resume.h"
#include "slovolov/core/SavedGame.h"

#include <algorithm>
#include <tuple>
#include <vector>

using namespace smek::slovolov;
using namespace smek::slovolov::test;

namespace {

// Every field in file order, so one comparison shows the whole reading.
std::vector<int> fields(const Settings& s) { return {s.Level, s.ZamenaBukv, s.IgraNaVremya, s.VremyaMin, s.VremyaSec}; }

} // namespace

TEST(Settings, WrittenAsDesigned) {
    Settings s{1, 1, 1, 3, 0};
    EXPECT_EQ(settingsText(s), " 1 \r\n 1 \r\n 1 \r\n 3 \r\n 0 \r\n");
}

TEST(Settings, ReadFreeFormat) {
    EXPECT_EQ(fields(parseSettings("2\r\n1\r\n 1 \r\n 4 \r\n 30 \r\n")), (std::vector{2, 1, 1, 4, 30}));
    EXPECT_EQ(fields(parseSettings("2")), (std::vector{2, 0, 0, 0, 0}));
    EXPECT_EQ(fields(parseSettings(" x \r\n 1 \r\n")), (std::vector{0, 1, 0, 0, 0}));
}

TEST(Settings, LevelOutsideTheTablesFallsBackToZero) {
    EXPECT_EQ(parseSettings(" 3 \r\n").Level, 0);
    EXPECT_EQ(parseSettings("-1\r\n").Level, 0);
    EXPECT_EQ(parseSettings(" 0 \r\n 0 \r\n 1 \r\n 75 \r\n-3 \r\n").VremyaMin, 0);
    // 59 is the last minute and second a limit can have; 60 reads as 0.
    EXPECT_EQ(fields(parseSettings(" 0 \r\n 0 \r\n 1 \r\n 59 \r\n 59 \r\n")), (std::vector{0, 0, 1, 59, 59}));
    EXPECT_EQ(fields(parseSettings(" 0 \r\n 0 \r\n 1 \r\n 60 \r\n 60 \r\n")), (std::vector{0, 0, 0, 0, 0}));
}

TEST(Settings, TimedWithNoTimeLeftReadsAsUntimed) {
    // 0:00, and limits out of range that read as 0, would lose every game on the first tick.
    for (const char* file : {" 0 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n", " 1 \r\n 0 \r\n 1 \r\n 75 \r\n 60 \r\n",
                             " 0 \r\n 0 \r\n 1 \r\n-1 \r\n x \r\n", " 0 \r\n 0 \r\n 1 \r\n"}) {
        const std::vector<int> read = fields(parseSettings(file));
        EXPECT_EQ(std::vector(read.begin() + 2, read.end()), (std::vector{0, 0, 0})) << file;
    }
    // One limit that reads stays timed: the designed reading otherwise.
    EXPECT_EQ(fields(parseSettings(" 0 \r\n 0 \r\n 1 \r\n 75 \r\n 1 \r\n")), (std::vector{0, 0, 1, 0, 1}));
    EXPECT_EQ(parseSettings(" 0 \r\n 0 \r\n 1 \r\n 59 \r\n 0 \r\n").IgraNaVremya, 1);
    // The same from the file a player edited.
    TempFolder dir;
    dir.write("Slovolov.ini", " 2 \r\n 1 \r\n 1 \r\n 0 \r\n 0 \r\n");
    EXPECT_EQ(fields(LoadFileINI(dir.path() / kSettingsFile)), (std::vector{2, 1, 0, 0, 0}));
}

TEST(Settings, OptionFlagsOtherThanOneAreOffAndGamesSavedWithThemLoad) {
    GameState g = built(0, 21);
    g.settings = parseSettings(" 0 \r\n 5 \r\n 2 \r\n 1 \r\n 0 \r\n");
    EXPECT_EQ(fields(g.settings), (std::vector{0, 0, 0, 1, 0}));
    EXPECT_TRUE(parseSlv(slvText(g)));
}

TEST(Settings, RoundTripThroughTheFile) {
    TempFolder dir;
    const fs::path file = dir.path() / kSettingsFile;
    EXPECT_EQ(LoadFileINI(file).Level, 0); // no file: defaults
    ASSERT_FALSE(SaveFileINI(file, Settings{2, 0, 1, 0, 45}));
    EXPECT_EQ(fields(LoadFileINI(file)), (std::vector{2, 0, 1, 0, 45}));
    EXPECT_EQ(smek::readTextFile(dir.path() / "Slovolov.ini").content, " 2 \r\n 0 \r\n 1 \r\n 0 \r\n 45 \r\n");
    EXPECT_TRUE(SaveFileINI(dir.path() / "missing" / kSettingsFile, Settings{})); // fails silently for the caller
}

namespace {

int lines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

GameState playedGame(int level, bool timed) {
    GameState g = built(level, 100 + static_cast<std::uint64_t>(level), level == 0 ? wordsDir() : shippedDir());
    // Find word 1.
    const auto& r = g.Recs[1];
    boardClick(g, r[0] * g.CellSize + 1, r[1] * g.CellSize + 1);
    boardClick(g, r[2] * g.CellSize + 1, r[3] * g.CellSize + 1);
    g.settings.IgraNaVremya = timed ? 1 : 0;
    g.OstMin = 2;
    g.OstSec = 5;
    return g;
}

} // namespace

class SaveRoundTrip : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(SaveRoundTrip, SavedGameLoadsAndSavesBackTheSame) {
    const auto [level, timed] = GetParam();
    const GameState g = playedGame(level, timed);
    const std::string text = slvText(g);
    const int expected[] = {152, 325, 564};
    EXPECT_EQ(lines(text), expected[level] + (timed ? 2 : 0));
    EXPECT_EQ(text.substr(0, 17), "[slovolov]\r\n " + std::to_string(level) + " \r\n");
    const auto loaded = parseSlv(text);
    ASSERT_TRUE(loaded);
    GameState back;
    back.settings = Settings{0, 1, 0, 7, 7};
    applyLoaded(back, *loaded);
    EXPECT_EQ(back.level(), level);
    EXPECT_EQ(back.Slova, g.Slova);
    EXPECT_EQ(back.Found, g.Found);
    EXPECT_EQ(back.Recs, g.Recs);
    EXPECT_EQ(back.cells, g.cells);
    EXPECT_EQ(back.Remain, g.Remain);
    EXPECT_EQ(back.CellSize, g.CellSize);
    // ZamenaBukv is not stored in the file. A timed game's time left becomes the limit; an
    // untimed one keeps the old limit.
    EXPECT_EQ(fields(back.settings), (std::vector{level, 1, timed ? 1 : 0, timed ? 2 : 7, timed ? 5 : 7}));
    back.OstMin = back.settings.VremyaMin; // NewGame (1) takes the limit as the time left
    back.OstSec = back.settings.VremyaSec;
    if (timed) { EXPECT_EQ(slvText(back), text); }
}

INSTANTIATE_TEST_SUITE_P(AllLevels, SaveRoundTrip,
                         ::testing::Combine(::testing::Values(0, 1, 2), ::testing::Bool()));

TEST(SavedGame, WonGameHoldsMinusOne) {
    GameState g = playedGame(0, false);
    for (int i = 0; i <= g.NumWords; ++i) {
        if (g.Found[static_cast<size_t>(i)]) continue;
        const auto& r = g.Recs[static_cast<size_t>(i)];
        boardClick(g, r[0] * 40 + 1, r[1] * 40 + 1);
        boardClick(g, r[2] * 40 + 1, r[3] * 40 + 1);
    }
    const std::string text = slvText(g);
    EXPECT_NE(text.find("\r\n-1 \r\n 0 \r\n"), std::string::npos);
    EXPECT_TRUE(parseSlv(text));
}

TEST(SavedGame, BareNumbersReadTheSame) {
    std::string text = slvText(playedGame(0, true));
    std::string bare;
    for (char c : text)
        if (c != ' ') bare += c;
    const auto a = parseSlv(text), b = parseSlv(bare);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->cells, b->cells);
    EXPECT_EQ(a->Recs, b->Recs);
}

namespace {

// The text with line n (0-based) replaced.
std::string withLine(const std::string& text, int n, const std::string& line) {
    size_t start = 0;
    for (int k = 0; k < n; ++k) start = text.find("\r\n", start) + 2;
    const size_t end = text.find("\r\n", start);
    return text.substr(0, start) + line + text.substr(end);
}

} // namespace

TEST(SavedGame, FilesThatWouldBreakTheBoardAreRefused) {
    const GameState g = playedGame(0, true);
    const std::string good = slvText(g);
    ASSERT_TRUE(parseSlv(good));
    // Lines: 0 header, 1 level, word i at 2 + 8i: word, found, recs 0..5;
    // grid at 50..149; Remain 150; timing 151; minutes 152; seconds 153.
    struct Case {
        const char* what;
        std::string text;
    } cases[] = {
        {"empty file", ""},
        {"other header", withLine(good, 0, "[slovoset]")},
        {"level 3", withLine(good, 1, " 3 ")},
        {"level -1", withLine(good, 1, "-1 ")},
        {"text for a number", withLine(good, 1, "один")},
        {"ends early", good.substr(0, good.size() / 2)},
        {"ends before the time", good.substr(0, good.rfind(" 2 \r\n"))},
        {"found 2", withLine(good, 3, " 2 ")},
        {"record outside the grid", withLine(good, 4, " 10 ")},
        {"record negative", withLine(good, 5, "-1 ")},
        {"direction 3", withLine(good, 8, " 3 ")},
        {"reading flag 1", withLine(good, 9, " 1 ")},
        {"grid value 34", withLine(good, 60, " 34 ")},
        {"grid value -34", withLine(good, 60, "-34 ")},
        {"remain 6", withLine(good, 150, " 6 ")},
        {"remain -2", withLine(good, 150, "-2 ")},
        {"remain below the words left", withLine(good, 150, " 3 ")},
        {"remain above the words left", withLine(good, 150, " 5 ")},
        {"timing 2", withLine(good, 151, " 2 ")},
        {"minutes 60", withLine(good, 152, " 60 ")},
        {"seconds -1", withLine(good, 153, "-1 ")},
    };
    for (const Case& c : cases) EXPECT_FALSE(parseSlv(c.text)) << c.what;
    // A word that would run off the grid: the 7-letter word starting at column 9.
    EXPECT_FALSE(parseSlv(withLine(withLine(withLine(withLine(good, 4, " 9 "), 6, " 9 "), 8, " 0 "), 9, " 0 ")));
    // Numbers written bare or with extra blanks still load.
    EXPECT_TRUE(parseSlv(withLine(good, 1, "0")));
    // A game lost by time is saved with -1 and words left.
    EXPECT_TRUE(parseSlv(withLine(good, 150, "-1 ")));
}

TEST(SavedGame, WordsMustFitTheirSlotAndTheBoard) {
    const GameState g = playedGame(0, false);
    ASSERT_EQ(g.Found[1], 1);
    ASSERT_EQ(g.Found[0], 0);
    const std::string good = slvText(g);
    const std::string word0 = g.Slova[0]; // 7 letters, hidden; line 2
    std::string swapped = word0;
    swapped[0] = swapped[0] == '\xC0' ? '\xC1' : '\xC0';
    const std::string quotedComma = "\"" + word0.substr(0, 3) + "," + word0.substr(3) + "\""; // 8 characters
    struct Case {
        const char* what;
        std::string text;
    } cases[] = {
        {"a comma inside quotes", withLine(good, 2, quotedComma)},
        {"a shorter word", withLine(good, 2, word0.substr(0, 6))},
        {"a longer word", withLine(good, 2, word0 + word0.substr(0, 1))},
        {"a 200000-letter word", withLine(good, 2, std::string(200000, '\xC0'))},
        {"small letters", withLine(good, 2, smek::w1251("абвгдеж"))},
        {"UTF-8 capitals", withLine(good, 2, "ЖЖЖЖ")}, // 8 bytes, not 7 letters
        {"a Latin letter", withLine(good, 2, word0.substr(0, 6) + "X")},
        {"an empty word", withLine(good, 2, "")},
        {"a word the board does not spell", withLine(good, 2, swapped)},
        {"a word the board does not spell, quoted", withLine(good, 2, "\"" + swapped + "\"")},
        {"an end of the record off the run", withLine(good, 2 + 2 + (g.Recs[0][5] == 0 ? 2 : 0),
                                                      " " + std::to_string(g.Recs[0][g.Recs[0][5] == 0 ? 2 : 0] == 0 ? 1 : 0) + " ")},
    };
    for (const Case& c : cases) EXPECT_FALSE(parseSlv(c.text)) << c.what;
    // The same word in quotes is the same word.
    EXPECT_TRUE(parseSlv(withLine(good, 2, "\"" + word0 + "\"")));
    // A found word is not on the board any more: only its length and letters count.
    const std::string found1 = g.Slova[1];
    std::string other1 = found1;
    std::swap(other1[0], other1[1]);
    EXPECT_TRUE(parseSlv(withLine(good, 10, other1)));
    EXPECT_FALSE(parseSlv(withLine(good, 10, found1.substr(1))));
    // A quote left open ends with its line: the file reads on as written.
    EXPECT_TRUE(parseSlv(withLine(good, 2, "\"" + word0)));
}

TEST(SavedGame, AHalfBuiltBoardIsNoCompleteGame) {
    TempFolder dir;
    dir.write("Слова.7", " 1 \r\n" + smek::w1251("КОРОБКА") + "\r\n");
    dir.write("Слова.6", " 1 \r\n" + smek::w1251("ЗАМОРА") + "\r\n");
    BuildResult result;
    const GameState half = built(0, 3, dir.pathData(), &result);
    ASSERT_EQ(result.status, BuildResult::Status::NoDatabase);
    EXPECT_FALSE(completeGame(half));
    EXPECT_TRUE(completeGame(playedGame(0, false)));
    EXPECT_TRUE(completeGame(built(2, 5, shippedDir())));
}

TEST(SavedGame, SaveAndOpenKeepTheFileNameAndRefuseWithoutChangingTheGame) {
    TempFolder dir;
    const std::string base = (dir.path() / "партия").string();
    int questions = 0;
    const smek::AskReplace no = [&questions](const std::string&) { return ++questions, false; };
    GameState g = playedGame(1, true);
    ASSERT_EQ(SaveGame(g, base, no).kind, smek::SaveOutcome::Kind::Saved);
    EXPECT_EQ(g.FileName, base + ".slv");
    // Saving again over the game's own file asks nothing; another file is kept after No.
    EXPECT_EQ(SaveGame(g, base + ".slv", no).kind, smek::SaveOutcome::Kind::Saved);
    dir.write("чужая.slv", "x");
    EXPECT_EQ(SaveGame(g, (dir.path() / "чужая.slv").string(), no).kind, smek::SaveOutcome::Kind::Declined);
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(g.FileName, base + ".slv");

    GameState opened;
    const smek::OpenOutcome ok = OpenGame(opened, base); // the extension is added as when saving
    ASSERT_TRUE(ok.ok) << ok.message;
    EXPECT_EQ(ok.path, base + ".slv");
    EXPECT_EQ(opened.FileName, base + ".slv");
    EXPECT_EQ(opened.cells, g.cells);
    EXPECT_EQ(opened.Slova, g.Slova);

    const GameState before = opened;
    const smek::OpenOutcome foreign = OpenGame(opened, (dir.path() / "чужая.slv").string());
    EXPECT_FALSE(foreign.ok);
    EXPECT_EQ(foreign.message, "Файл \"" + (dir.path() / "чужая.slv").string() + "\" не подходит к программе.");
    dir.write("битая.slv", slvText(g).substr(0, 200));
    EXPECT_FALSE(OpenGame(opened, (dir.path() / "битая.slv").string()).ok);
    EXPECT_FALSE(OpenGame(opened, (dir.path() / "нет").string()).ok);
    EXPECT_EQ(std::tie(opened.FileName, opened.cells, opened.Slova), std::tie(before.FileName, before.cells, before.Slova));
}

TEST(Lookup, ArticleAddressIsTheLowerCaseWordInUtf8) {
    const std::string base = kDictionaryArticle;
    EXPECT_EQ(base, "https://ru.wiktionary.org/wiki/");
    EXPECT_EQ(lookupAddress(smek::w1251("ЁЖ")), base + "%D1%91%D0%B6"); // ё, ж
    EXPECT_EQ(lookupAddress(smek::w1251("ЧЁРНО-БЕЛЫЙ")),
              base + "%D1%87%D1%91%D1%80%D0%BD%D0%BE-%D0%B1%D0%B5%D0%BB%D1%8B%D0%B9");
    EXPECT_EQ(lookupAddress(smek::w1251("ЯЩИК")), base + "%D1%8F%D1%89%D0%B8%D0%BA"); // the last capital
    EXPECT_EQ(lookupAddress("Word42"), base + "word42");
    // Nothing that would end the address or start a query survives unencoded.
    EXPECT_EQ(lookupAddress("a b?c#d/e&f%"), base + "a_b%3Fc%23d%2Fe%26f%25");
}

TEST(Resume, AGameInProgressComesBackOnceWithItsTimeLeft) {
    TempFolder own;
    const auto file = own.path() / "config" / kResumeFile; // the folder is made on the first write
    GameState g = built(1, 21);
    g.settings.IgraNaVremya = 1;
    g.OstMin = 2;
    g.OstSec = 7;
    // All but the last word as if found (their cells are any the board has):
    // one word left is still a game to come back to.
    for (int i = 0; i < g.NumWords; ++i) g.Found[static_cast<size_t>(i)] = 1; // NumWords: the last index
    g.Remain = 0;
    ASSERT_TRUE(keepForResume(g, file));
    const std::optional<KeptGame> back = takeResume(file);
    ASSERT_TRUE(back);
    EXPECT_FALSE(back->started);
    GameState resumed;
    applyLoaded(resumed, back->game);
    EXPECT_EQ(resumed.Slova, g.Slova);
    EXPECT_EQ(resumed.cells, g.cells);
    EXPECT_EQ(resumed.Found, g.Found);
    EXPECT_EQ(resumed.Remain, g.Remain);
    EXPECT_EQ(std::vector({resumed.settings.VremyaMin, resumed.settings.VremyaSec}), (std::vector{2, 7})); // time left: the limit
    EXPECT_TRUE(resumed.FileName.empty()); // never saved over by "Сохранить"
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_FALSE(takeResume(file));
}

TEST(Resume, AGameCountedAsStartedSaysSoOnce) {
    TempFolder own;
    const auto file = own.path() / kResumeFile;
    const GameState g = built(0, 24);
    ASSERT_TRUE(keepForResume(g, file, true));
    std::optional<KeptGame> back = takeResume(file);
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->started);
    EXPECT_FALSE(std::filesystem::exists(startedMark(file)));
    // Kept again before its first move: the old mark does not linger.
    ASSERT_TRUE(keepForResume(g, file, true));
    ASSERT_TRUE(keepForResume(g, file, false));
    back = takeResume(file);
    ASSERT_TRUE(back);
    EXPECT_FALSE(back->started);
    // Ended: both files go.
    ASSERT_TRUE(keepForResume(g, file, true));
    GameState ended = g;
    ended.Remain = -1;
    ASSERT_TRUE(keepForResume(ended, file, true));
    EXPECT_FALSE(std::filesystem::exists(startedMark(file)));
    // A mark without its game offers nothing, and is gone after the look.
    ASSERT_FALSE(smek::writeTextFileAtomic(startedMark(file), ""));
    EXPECT_FALSE(takeResume(file));
    EXPECT_FALSE(std::filesystem::exists(startedMark(file)));
}

TEST(Resume, EndedHalfBuiltOrDamagedGamesAreNotOffered) {
    TempFolder own;
    const auto file = own.path() / kResumeFile;
    GameState g = built(0, 22);
    ASSERT_TRUE(keepForResume(g, file));
    g.Remain = -1; // the game ended before the window closed
    ASSERT_TRUE(keepForResume(g, file));
    EXPECT_FALSE(std::filesystem::exists(file));
    GameState half = built(0, 23);
    half.Slova[5].clear(); // a word file was missing
    ASSERT_TRUE(keepForResume(half, file));
    EXPECT_FALSE(std::filesystem::exists(file));
    ASSERT_FALSE(smek::writeTextFileAtomic(file, "[slovolov]\r\n 7 \r\n"));
    EXPECT_FALSE(takeResume(file));
    EXPECT_FALSE(std::filesystem::exists(file)); // set aside for good, not offered again
}
