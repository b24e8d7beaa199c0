// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole-file reading and writing. Writing never destroys what was there: the
// new content goes to a file beside the old one, which is replaced only when
// the write has succeeded.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace smek {

// The largest file any reader takes: far above any saved game, text or word
// list, far below what would hold a window up or fill the memory.
inline constexpr std::uintmax_t kMaxTextFileBytes = std::uintmax_t{16} << 20;

struct ReadResult {
    std::string content;
    std::error_code error; // empty on success
    // Why a file that opened was not read; error is set too.
    enum class Refused {
        No,
        NotRegular, // a folder, a device, a pipe: nothing a player saves
        TooLarge,   // over kMaxTextFileBytes
        WrongStart, // the caller's check of the first line said no
    };
    Refused refused = Refused::No;
};

// Looks at the kind and size of the file before reading it, and never waits
// on a pipe. startsRight, when given, sees the first line (without its line
// end) before the rest is read.
ReadResult readTextFile(const std::filesystem::path& path,
                        const std::function<bool(std::string_view)>& startsRight = {});

// Refuses (EACCES) to replace an existing file without write permission bits,
// as the designed platform would, also for root; refuses a folder or any
// other kind of file. A symbolic link is followed and the file it points to
// replaced. The folder is synced after the rename.
std::error_code writeTextFileAtomic(const std::filesystem::path& path, std::string_view content);

// The same write in two steps, for files that must change together: each is
// first written in full beside its target (`prepare`), and only when all are
// ready is each renamed into place (`commit`). A write that is never
// committed leaves nothing behind.
class PreparedWrite {
public:
    PreparedWrite() = default;
    ~PreparedWrite();
    PreparedWrite(const PreparedWrite&) = delete;
    PreparedWrite& operator=(const PreparedWrite&) = delete;

    // Checks the target as writeTextFileAtomic does and writes the content,
    // synced, to the temporary file.
    std::error_code prepare(const std::filesystem::path& path, std::string_view content);
    // Renames the prepared file over its target; the caller syncs the folder.
    std::error_code commit();
    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path target_, folder_;
    std::string temp_; // empty once renamed or removed
};

// Syncs a folder, so that the names renamed into it survive a power cut.
void syncFolder(const std::filesystem::path& folder);

// Temporary files are named ".smekalia-<pid>-XXXXXX". Those of a writer that
// is gone (killed mid-write) are removed from the folder; every write calls
// this for the folder it writes into.
void removeStaleTemporaries(const std::filesystem::path& folder);

// A regular file (a link to one too) is there: saving asks before replacing
// it. A folder is no file to replace: saving over it just fails.
bool existingFile(const std::filesystem::path& path);

// The lines of a file's content, without their CR LF or LF; a last line
// without an end counts, an empty content has none.
std::vector<std::string_view> splitLines(std::string_view content);

} // namespace smek
