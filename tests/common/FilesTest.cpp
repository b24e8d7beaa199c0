// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderTest.h"
#include "common/core/Cp1251.h"
#include "common/core/FileMessages.h"
#include "common/core/Redirect.h"
#include "common/core/TextFile.h"
#include "common/core/WordFiles.h"

#include <gtest/gtest.h>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace smek;
namespace fs = std::filesystem;

namespace {

class TextFile : public FolderTest {};

} // namespace

TEST(FileMessages, AllSixTails) {
    EXPECT_EQ(fileMessage("/x/Игра.slv", FileTail::NotFound), "Файл \"/x/Игра.slv\" не найден.");
    EXPECT_EQ(fileMessage("a", FileTail::CannotOpen), "Файл \"a\" открыть не возможно.");
    EXPECT_EQ(fileMessage("a", FileTail::NotSuitable), "Файл \"a\" не подходит к программе.");
    EXPECT_EQ(fileMessage("a", FileTail::AlreadyExists), "Файл \"a\" уже существует.\r\nЗаменить его?");
    EXPECT_EQ(fileMessage("a", FileTail::WriteProtected), "Файл \"a\" защищён от записи.");
    EXPECT_EQ(fileMessage("a", FileTail::CannotSave), "Файл \"a\" сохранить не возможно.");
}

TEST(FileMessages, ErrorsMapToTails) {
    const auto err = [](std::errc e) { return std::make_error_code(e); };
    EXPECT_EQ(tailForError(err(std::errc::no_such_file_or_directory), FileTail::CannotOpen), FileTail::NotFound);
    EXPECT_EQ(tailForError(err(std::errc::permission_denied), FileTail::CannotSave), FileTail::WriteProtected);
    EXPECT_EQ(tailForError(err(std::errc::read_only_file_system), FileTail::CannotSave), FileTail::WriteProtected);
    EXPECT_EQ(tailForError(err(std::errc::no_space_on_device), FileTail::CannotSave), FileTail::CannotSave);
    EXPECT_EQ(tailForError(err(std::errc::is_a_directory), FileTail::CannotOpen), FileTail::CannotOpen);
    // Saving knows no "not found": a missing folder cannot be saved into.
    EXPECT_EQ(saveFailureTail(err(std::errc::no_such_file_or_directory)), FileTail::CannotSave);
    EXPECT_EQ(saveFailureTail(err(std::errc::read_only_file_system)), FileTail::WriteProtected);
    EXPECT_EQ(saveFailureTail(err(std::errc::is_a_directory)), FileTail::CannotSave);
}

TEST(TextLines, EndsAreCutAndOnlyALastEmptyLineIsDropped) {
    using V = std::vector<std::string_view>;
    EXPECT_EQ(splitLines(""), V{});
    EXPECT_EQ(splitLines("\n"), V{""});
    EXPECT_EQ(splitLines("a\r\nb\nc"), (V{"a", "b", "c"}));
    EXPECT_EQ(splitLines("a\r\n\r\n"), (V{"a", ""}));
    // Only the CR of a CR LF goes: one inside a line stays.
    EXPECT_EQ(splitLines("a\rb\r\r\n"), V{"a\rb\r"});
}

TEST_F(TextFile, AtomicWriteReplacesContentAndLeavesNoTemporaryFiles) {
    const fs::path file = dir / "Slovolov.ini";
    put(file, "old");
    put(file, " 1 \r\n 2 \r\n");
    EXPECT_EQ(readTextFile(file).content, " 1 \r\n 2 \r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(TextFile, FailedWritesKeepTheOldFile) {
    const fs::path file = dir / "game.slv";
    put(file, "precious");
    // Into a missing folder: an error, nothing created.
    EXPECT_TRUE(writeTextFileAtomic(dir / "missing" / "x.slv", "new"));
    // A directory of that name cannot be replaced.
    fs::create_directory(dir / "folder.slv");
    EXPECT_TRUE(writeTextFileAtomic(dir / "folder.slv", "new"));
    // Without write permission bits it is protected, for root too.
    fs::permissions(file, fs::perms::owner_read, fs::perm_options::replace);
    EXPECT_EQ(tailForError(writeTextFileAtomic(file, "new"), FileTail::CannotSave), FileTail::WriteProtected);
    EXPECT_EQ(readTextFile(file).content, "precious");
}

TEST_F(TextFile, AWriteThatStopsHalfwayIsAnErrorAndLeavesNoTemporary) {
    const fs::path file = dir / "game.slv";
    put(file, "precious");
    // The disk full after 4 bytes, as a file size limit makes it.
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 4;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const std::error_code error = writeTextFileAtomic(file, "much more than four bytes");
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_EQ(error, std::errc::file_too_large);
    EXPECT_EQ(readTextFile(file).content, "precious");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

// Any name the file system takes can be saved: the temporary file beside it
// has a short name of its own.
TEST_F(TextFile, NamesOf254And255BytesAreWritten) {
    for (const size_t length : {size_t{254}, size_t{255}}) {
        const fs::path file = dir / (std::string(length - 4, 'n') + ".slv");
        ASSERT_FALSE(writeTextFileAtomic(file, "new")) << length;
        ASSERT_FALSE(writeTextFileAtomic(file, "again")) << length;
        EXPECT_EQ(readTextFile(file).content, "again");
        fs::remove(file);
    }
    EXPECT_TRUE(writeTextFileAtomic(dir / (std::string(252, 'n') + ".slv"), "x")); // 256: the file system says no
    EXPECT_TRUE(fs::is_empty(dir));
}

// The permission bits decide, as the designed platform's read-only flag, also
// for root.
TEST_F(TextFile, AReadOnlyFileIsNeverReplaced) {
    const fs::path file = dir / "game.slv";
    put(file, "precious");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read, fs::perm_options::replace);
    EXPECT_EQ(tailForError(writeTextFileAtomic(file, "new"), FileTail::CannotSave), FileTail::WriteProtected);
    EXPECT_EQ(readTextFile(file).content, "precious");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::replace);
    EXPECT_FALSE(writeTextFileAtomic(file, "new"));
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write); // kept
}

TEST_F(TextFile, AFolderIsNoFileToReplaceAndALinkIsFollowed) {
    fs::create_directory(dir / "folder.slv");
    EXPECT_FALSE(existingFile(dir / "folder.slv"));
    EXPECT_EQ(tailForError(writeTextFileAtomic(dir / "folder.slv", "x"), FileTail::CannotSave), FileTail::CannotSave);
    EXPECT_TRUE(fs::is_directory(dir / "folder.slv"));

    fs::create_directory(dir / "games");
    put(dir / "games" / "real.slv", "old");
    fs::create_symlink("games/real.slv", dir / "link.slv");
    EXPECT_TRUE(existingFile(dir / "link.slv"));
    ASSERT_FALSE(writeTextFileAtomic(dir / "link.slv", "new"));
    EXPECT_TRUE(fs::is_symlink(dir / "link.slv"));
    EXPECT_EQ(readTextFile(dir / "games" / "real.slv").content, "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "games"), fs::directory_iterator()), 1); // no leftovers

    ::mkfifo((dir / "pipe.slv").c_str(), 0600);
    EXPECT_FALSE(existingFile(dir / "pipe.slv"));
    EXPECT_TRUE(writeTextFileAtomic(dir / "pipe.slv", "x"));
    EXPECT_FALSE(existingFile(dir / "none.slv"));
}

// In a shared sticky folder such as /tmp, a link someone else planted is not
// followed (it could point at any file of the player's); one's own is.
TEST_F(TextFile, InASharedFolderOnlyOwnLinksAreFollowed) {
    const fs::path shared = dir / "shared";
    fs::create_directory(shared);
    fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit, fs::perm_options::replace);
    put(dir / "victim.txt", "precious");
    fs::create_symlink(dir / "victim.txt", shared / "own.htm");
    ASSERT_FALSE(writeTextFileAtomic(shared / "own.htm", "mine"));
    EXPECT_EQ(readTextFile(dir / "victim.txt").content, "mine");
    if (runningAsRoot()) { // only root can make a link that belongs to someone else
        fs::create_symlink(dir / "victim.txt", shared / "planted.htm");
        ASSERT_EQ(::lchown((shared / "planted.htm").c_str(), 65534, 65534), 0);
        EXPECT_EQ(tailForError(writeTextFileAtomic(shared / "planted.htm", "x"), FileTail::CannotSave),
                  FileTail::WriteProtected);
        EXPECT_EQ(readTextFile(dir / "victim.txt").content, "mine");
    }
}

TEST_F(TextFile, ReadingMissingFilesAndFoldersReportsErrors) {
    EXPECT_EQ(tailForError(readTextFile(dir / "none").error, FileTail::CannotOpen), FileTail::NotFound);
    EXPECT_TRUE(readTextFile(dir).error);
}

// Kind and size come before reading: a pipe never blocks, a device or a huge
// file is not read into memory.
TEST_F(TextFile, OnlyRegularFilesWithinTheBoundAreRead) {
    ASSERT_EQ(::mkfifo((dir / "pipe.slv").c_str(), 0600), 0);
    const ReadResult pipe = readTextFile(dir / "pipe.slv");
    EXPECT_EQ(pipe.refused, ReadResult::Refused::NotRegular);
    EXPECT_EQ(openFailureTail(pipe), FileTail::CannotOpen);
    const ReadResult zero = readTextFile("/dev/zero");
    EXPECT_EQ(zero.refused, ReadResult::Refused::NotRegular);
    EXPECT_TRUE(zero.content.empty());
    EXPECT_EQ(readTextFile(dir).refused, ReadResult::Refused::NotRegular);

    // Sparse files: the bound itself is read, one byte more is not.
    const auto sized = [&](const char* name, std::uintmax_t size) {
        put(dir / name, "");
        fs::resize_file(dir / name, size);
        return readTextFile(dir / name);
    };
    const ReadResult atBound = sized("bound.txt", kMaxTextFileBytes);
    EXPECT_FALSE(atBound.error);
    EXPECT_EQ(atBound.content.size(), kMaxTextFileBytes);
    const ReadResult over = sized("over.txt", kMaxTextFileBytes + 1);
    EXPECT_EQ(over.refused, ReadResult::Refused::TooLarge);
    EXPECT_TRUE(over.content.empty());
    EXPECT_EQ(openFailureTail(over), FileTail::NotSuitable);
    EXPECT_EQ(sized("huge.txt", std::uintmax_t{1} << 30).refused, ReadResult::Refused::TooLarge);

    EXPECT_EQ(openFailureTail(readTextFile(dir / "none")), FileTail::NotFound);
}

TEST_F(TextFile, TheFirstLineIsCheckedBeforeTheRest) {
    std::vector<std::string> seen;
    const auto header = [&seen](std::string_view line) {
        seen.emplace_back(line);
        return line == "[slovolov]";
    };
    put(dir / "good.slv", "[slovolov]\r\n 0 \r\n");
    EXPECT_EQ(readTextFile(dir / "good.slv", header).content, "[slovolov]\r\n 0 \r\n");
    put(dir / "other.slv", "[slovoset]\n" + std::string(200000, 'x'));
    const ReadResult other = readTextFile(dir / "other.slv", header);
    EXPECT_EQ(other.refused, ReadResult::Refused::WrongStart);
    EXPECT_EQ(openFailureTail(other), FileTail::NotSuitable);
    put(dir / "empty.slv", "");
    EXPECT_EQ(readTextFile(dir / "empty.slv", header).refused, ReadResult::Refused::WrongStart);
    EXPECT_EQ(seen, (std::vector<std::string>{"[slovolov]", "[slovoset]", ""}));
}

TEST_F(TextFile, WordFilesAreListedByExactExtensionInNameOrder) {
    put(dir / "b.7", "1\r\nАБВГДЕЖ\r\n");
    put(dir / "a.7", "1\r\nАБВГДЕЖ\r\n");
    put(dir / "c.17", "x");
    put(dir / "d.7z", "x");
    put(dir / ".7", "1\r\nАБВГДЕЖ\r\n"); // an extension without a name
    put(dir / "x.07", "1\r\nАБВГДЕЖ\r\n");
    fs::create_directory(dir / "folder.7");
    const auto files = listWordFiles(dir, 7);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].filename(), "a.7");
    EXPECT_EQ(files[1].filename(), "b.7");
    EXPECT_TRUE(listWordFiles(dir / "missing", 7).empty());
}

TEST_F(TextFile, WordFilesAreReadWhenTheyFitAndRefusedOtherwise) {
    const auto read = [&](const std::string& content, int length) {
        put(dir / "w.3", w1251(content));
        return readWordFile(dir / "w.3", length);
    };
    const WordFile good = read("2\r\nКОТ\r\n\"ЁЖИ\"\r\n", 3);
    EXPECT_EQ(good.status, WordFile::Status::Ok);
    EXPECT_EQ(good.words, (std::vector<std::string>{w1251("КОТ"), w1251("ЁЖИ")}));
    EXPECT_EQ(read("3\r\nКОТ\r\nПЁС\r\nДОМ\r\nЛИС\r\n", 3).words.size(), 3u); // extra words are not read

    for (const char* bad : {"", "0\r\n", "-2\r\nКОТ\r\n", "два\r\nКОТ\r\n", "3\r\nКОТ\r\nПЁС\r\n",
                            "1\r\nКОТЫ\r\n", "1\r\nкот\r\n", "1\r\nCAT\r\n"})
        EXPECT_EQ(read(bad, 3).status, WordFile::Status::NotSuitable) << bad;

    const WordFile missing = readWordFile(dir / "none.3", 3);
    EXPECT_EQ(missing.status, WordFile::Status::CannotOpen);
}

TEST_F(TextFile, RedirectPageIsWrittenByteForByteAndSkipsUnwritableNames) {
    const std::string address = "https://example.org/a?b=1&c='x";
    EXPECT_EQ(redirectPage(address),
              "<html><head><meta http-equiv='refresh' content='0; url=https://example.org/a?b=1&c='x'>"
              "<meta http-equiv='Content-Type' content='text/html; charset=windows-1251'><title>WWW</title></head>"
              "<body></body></html>\r\n");
    const std::string pathData = dir.string() + "/";
    EXPECT_EQ(writeRedirectPage(pathData, address), dir / "0.html");
    EXPECT_EQ(writeRedirectPage(pathData, address), dir / "0.html"); // an existing page is replaced

    fs::create_directory(dir / "0.html.d");
    fs::remove(dir / "0.html");
    fs::create_directory(dir / "0.html"); // a name that cannot be written
    EXPECT_EQ(writeRedirectPage(pathData, address), dir / "1.html");
    EXPECT_EQ(readTextFile(dir / "1.html").content, redirectPage(address));

    EXPECT_EQ(writeRedirectPage(dir.string() + "/missing/", address, 5), std::nullopt); // bounded, gives up
}
