// SPDX-License-Identifier: GPL-3.0-or-later
#include "LockedUpdate.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace smek {

std::filesystem::path lockFileOf(const std::filesystem::path& file) { return file.string() + ".lock"; }

FileLock::FileLock(const std::filesystem::path& file, std::chrono::milliseconds wait) {
    const std::filesystem::path lock = lockFileOf(file);
    int fd = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    // A lock file made read-only still locks.
    if (fd < 0 && errno == EACCES) fd = ::open(lock.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        error_ = {errno, std::generic_category()};
        return;
    }
    // Polled rather than a blocking flock, so that the wait has a bound.
    const auto until = std::chrono::steady_clock::now() + wait;
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            fd_ = fd;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            error_ = {errno, std::generic_category()};
            break;
        }
        if (std::chrono::steady_clock::now() >= until) {
            error_ = std::make_error_code(kBusy);
            break;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
    ::close(fd);
}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_); // closing releases the lock
}

std::error_code updateFile(const std::filesystem::path& file, const FileChange& change, std::chrono::milliseconds wait) {
    std::error_code ec;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    if (ec) return ec;
    PreparedWrite write;
    {
        const FileLock lock(file, wait);
        if (!lock.held()) return lock.error();
        const std::optional<std::string> content = change(readTextFile(file));
        if (!content) return {};
        if (const std::error_code error = write.prepare(file, *content)) return error;
        if (const std::error_code error = write.commit()) return error;
    }
    // The next window may go on once the new file is in place; the folder's
    // sync, only for a power cut, need not hold it up.
    syncFolder(write.folder());
    return {};
}

} // namespace smek
