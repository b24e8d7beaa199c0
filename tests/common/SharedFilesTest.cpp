// SPDX-License-Identifier: GPL-3.0-or-later
// Per-user files that several windows update at once, and what a writer
// killed mid-write leaves behind.
#include "FolderTest.h"
#include "common/core/DialogFolders.h"
#include "common/core/LockedUpdate.h"
#include "common/core/Statistics.h"

#include <climits>
#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace smek;
namespace fs = std::filesystem;

namespace {

// Runs work(0..n-1) in n processes released at the same moment; true when
// every one of them returned true.
bool inProcesses(int n, const std::function<bool(int)>& work) {
    int gate[2];
    if (::pipe(gate) != 0) return false;
    std::vector<pid_t> children;
    for (int i = 0; i < n; ++i) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(gate[1]);
            char c;
            (void)!::read(gate[0], &c, 1); // end of file when the parent closes its end
            ::_exit(work(i) ? 0 : 1);
        }
        children.push_back(pid);
    }
    ::close(gate[0]);
    ::close(gate[1]);
    bool ok = true;
    for (const pid_t pid : children) {
        int status = 0;
        ok = ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0 && ok;
    }
    return ok;
}

std::vector<std::string> names(const fs::path& folder) {
    std::vector<std::string> list;
    for (const auto& entry : fs::directory_iterator(folder)) list.push_back(entry.path().filename().string());
    std::sort(list.begin(), list.end());
    return list;
}

class SharedFiles : public FolderTest {};

// A folder in memory where there is one: the disk's syncs on a busy machine
// would make hundreds of updates slow, and could outlast the lock's wait.
fs::path memoryOrTemp() {
    std::error_code ec;
    return fs::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0 ? fs::path("/dev/shm")
                                                                                : fs::temp_directory_path();
}

TEST(SharedFileUpdates, TwoProcessesUpdatingOneStatisticsFileLoseNothing) {
    const TempFolder folder(memoryOrTemp());
    const fs::path file = folder.path() / "bukvoklad-statistics";
    // 100 games each, three updates a game: 600 in all.
    ASSERT_TRUE(inProcesses(2, [&](int i) {
        StatisticsBook book(file);
        for (int game = 0; game < 100; ++game) {
            book.gameStarted();
            book.hintUsed();
            book.gameEnded(i == 0 ? Outcome::Won : Outcome::GivenUp);
        }
        return true;
    }));
    const std::optional<Statistics> s = parseStatistics(readTextFile(file).content);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->started, 200);
    EXPECT_EQ(s->hints, 200);
    EXPECT_EQ(s->won, 100);
    EXPECT_EQ(s->givenUp, 100);
}

TEST(SharedFileUpdates, TwoProcessesRememberingFoldersLoseNoEntry) {
    const TempFolder folder(memoryOrTemp());
    const fs::path file = folder.path() / kFoldersFile;
    ASSERT_TRUE(inProcesses(2, [&](int i) {
        for (int k = 0; k < 300; ++k)
            rememberFolder(file, std::to_string(i) + "-" + std::to_string(k), "/home/u/" + std::to_string(k) + "/file");
        return true;
    }));
    const FolderMap folders = parseFolders(readTextFile(file).content);
    EXPECT_EQ(folders.size(), 600u);
    EXPECT_EQ(folders.at("1-299"), "/home/u/299");
}

TEST_F(SharedFiles, AnUpdateWaitsForTheLockOnlySoLong) {
    const fs::path file = dir / "own" / "Folders.txt";
    bool ran = false;
    const FileChange change = [&ran](const ReadResult&) {
        ran = true;
        return std::optional<std::string>("new\n");
    };
    fs::create_directory(dir / "own");
    {
        const FileLock other(file); // another window's update in progress
        ASSERT_TRUE(other.held());
        EXPECT_EQ(updateFile(file, change, std::chrono::milliseconds(30)), kBusy);
        EXPECT_FALSE(ran);
        EXPECT_FALSE(fs::exists(file));
    }
    EXPECT_FALSE(updateFile(file, change, std::chrono::milliseconds(30)));
    EXPECT_EQ(readTextFile(file).content, "new\n");
    EXPECT_EQ(names(dir / "own"), (std::vector<std::string>{"Folders.txt", "Folders.txt.lock"}));
}

TEST_F(SharedFiles, TheNextWriteRemovesWhatAKilledWriterLeft) {
    const fs::path page = dir / "Лес.html";
    const pid_t writer = ::fork();
    if (writer == 0) {
        PreparedWrite write;
        if (write.prepare(page, std::string(1 << 20, 'x'))) ::_exit(1);
        ::kill(::getpid(), SIGKILL); // between the write and the rename
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(writer, &status, 0), writer);
    ASSERT_TRUE(WIFSIGNALED(status));
    const std::vector<std::string> litter = names(dir);
    ASSERT_EQ(litter.size(), 1u);
    EXPECT_EQ(litter[0].rfind(".smekalia-" + std::to_string(writer) + "-", 0), 0u) << litter[0];

    // A living writer's file, an old edition's one just under a day old and a
    // name that only looks alike stay; an old edition's one just over a day goes.
    const std::string living = ".smekalia-" + std::to_string(::getpid()) + "-Ab12Cd";
    for (const char* name : {".smekalia-Xy34Zw", ".smekalia-Qq56Rr", ".smekalia-notes"}) folder.write(name, "x");
    folder.write(living, "x");
    const auto now = fs::file_time_type::clock::now();
    fs::last_write_time(dir / ".smekalia-Xy34Zw", now - std::chrono::hours(24) + std::chrono::seconds(10));
    fs::last_write_time(dir / ".smekalia-Qq56Rr", now - std::chrono::hours(24) - std::chrono::seconds(10));

    ASSERT_FALSE(writeTextFileAtomic(dir / "Лес_ответы.html", "answers"));
    EXPECT_EQ(names(dir), (std::vector<std::string>{living, ".smekalia-Xy34Zw", ".smekalia-notes", "Лес_ответы.html"}));
}

class StatisticsLimits : public FolderTest {
protected:
    fs::path file() const { return dir / "slovolov-statistics"; }
};

TEST_F(StatisticsLimits, CountersStopAtTheirMaximum) {
    const std::string max = std::to_string(INT_MAX), maxSeconds = std::to_string(LLONG_MAX / 2);
    put(file(), "smekalia statistics 1\nstarted " + max + "\nwon " + max + "\nhints " + std::to_string(INT_MAX - 1) +
                    "\nstreak " + max + "\nlongest_streak " + max + "\nlevel1_wins " + max +
                    "\nlevel1_total_seconds " + maxSeconds + "\nlevel1_best_seconds 7\n");
    StatisticsBook book(file());
    ASSERT_TRUE(book.setAsideAs().empty());
    book.gameStarted();
    book.hintUsed(5);
    book.gameEnded(Outcome::Won, 0, 3);
    const std::optional<Statistics> s = parseStatistics(readTextFile(file()).content);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->started, INT_MAX);
    EXPECT_EQ(s->won, INT_MAX);
    EXPECT_EQ(s->hints, INT_MAX);
    EXPECT_EQ(s->streak, INT_MAX);
    EXPECT_EQ(s->longestStreak, INT_MAX);
    EXPECT_EQ(s->levels[0], (LevelTimes{INT_MAX, LLONG_MAX / 2, 3}));
    EXPECT_EQ(book.totals(), *s);

    // One beyond the range is no count the program wrote.
    EXPECT_TRUE(parseStatistics("smekalia statistics 1\nstarted " + max + "\n"));
    EXPECT_FALSE(parseStatistics("smekalia statistics 1\nstarted " + std::to_string(INT_MAX + 1LL) + "\n"));
    EXPECT_TRUE(parseStatistics("smekalia statistics 1\nlevel2_total_seconds " + maxSeconds + "\n"));
    EXPECT_FALSE(parseStatistics("smekalia statistics 1\nlevel2_total_seconds " + std::to_string(LLONG_MAX / 2 + 1) + "\n"));
}

TEST_F(StatisticsLimits, AnUnreadableFileIsLeftAloneAndCountingGoesOnInMemory) {
    const std::string content = "smekalia statistics 1\nstarted 5\n";
    put(file(), content);
    StatisticsBook opened(file()); // a window that read it before it became unreadable
    fs::permissions(file(), fs::perms::none);
    if (runningAsRoot()) GTEST_SKIP() << kNeedsOrdinaryUser;
    StatisticsBook book(file());
    EXPECT_TRUE(book.inMemoryOnly());
    EXPECT_TRUE(book.setAsideAs().empty());
    book.gameStarted();
    book.gameEnded(Outcome::Won);
    EXPECT_EQ(book.totals().started, 1);
    EXPECT_EQ(book.totals().won, 1);
    opened.gameStarted();
    EXPECT_TRUE(opened.inMemoryOnly());
    EXPECT_EQ(opened.totals().started, 6);

    fs::permissions(file(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(readTextFile(file()).content, content);
    EXPECT_EQ(names(dir), (std::vector<std::string>{"slovolov-statistics", "slovolov-statistics.lock"}));
}

} // namespace
