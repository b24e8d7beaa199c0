#include "common/core/Cp1251.h"
#include "common/core/FileMessages.h"
#include "common/core/Redirect.h"
#include "common/core/TextFile.h"
#include "common/core/WordFiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace smek;
namespace fs = std::filesystem;

namespace {

class TempDir : public ::testing::Test {
protected:
    void SetUp() override {
        std::string name = (fs::temp_directory_path() / "smek-files-XXXXXX").string();
        dir = mkdtemp(name.data());
    }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }
    static void put(const fs::path& p, const std::string& content) { ASSERT_FALSE(writeTextFileAtomic(p, content)); }
    static bool runningAsRoot() { return ::geteuid() == 0; }
    fs::path dir;
};

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
}

TEST_F(TempDir, AtomicWriteReplacesContentAndLeavesNoTemporaryFiles) {
    const fs::path file = dir / "Slovolov.ini";
    put(file, "old");
    put(file, " 1 \r\n 2 \r\n");
    EXPECT_EQ(readTextFile(file).content, " 1 \r\n 2 \r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(TempDir, FailedWritesKeepTheOldFile) {
    const fs::path file = dir / "game.slv";
    put(file, "precious");
    // Into a missing folder: an error, nothing created.
    EXPECT_TRUE(writeTextFileAtomic(dir / "missing" / "x.slv", "new"));
    // A directory of that name cannot be replaced.
    fs::create_directory(dir / "folder.slv");
    EXPECT_TRUE(writeTextFileAtomic(dir / "folder.slv", "new"));
    if (!runningAsRoot()) {
        fs::permissions(file, fs::perms::owner_read, fs::perm_options::replace);
        const auto error = writeTextFileAtomic(file, "new");
        EXPECT_EQ(tailForError(error, FileTail::CannotSave), FileTail::WriteProtected);
    }
    EXPECT_EQ(readTextFile(file).content, "precious");
}

TEST_F(TempDir, ReadingMissingFilesAndFoldersReportsErrors) {
    EXPECT_EQ(tailForError(readTextFile(dir / "none").error, FileTail::CannotOpen), FileTail::NotFound);
    EXPECT_TRUE(readTextFile(dir).error);
}

TEST_F(TempDir, WordFilesAreListedByExactExtensionInNameOrder) {
    put(dir / "b.7", "1\r\nАБВГДЕЖ\r\n");
    put(dir / "a.7", "1\r\nАБВГДЕЖ\r\n");
    put(dir / "c.17", "x");
    put(dir / "d.7z", "x");
    fs::create_directory(dir / "folder.7");
    const auto files = listWordFiles(dir, 7);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].filename(), "a.7");
    EXPECT_EQ(files[1].filename(), "b.7");
    EXPECT_TRUE(listWordFiles(dir / "missing", 7).empty());
}

TEST_F(TempDir, WordFilesAreReadWhenTheyFitAndRefusedOtherwise) {
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

TEST_F(TempDir, RedirectPageIsWrittenByteForByteAndSkipsUnwritableNames) {
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
