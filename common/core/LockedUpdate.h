// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Read-modify-write of a per-user file that several windows share (two copies
// of a game, or the three programs): under an advisory lock on a lock file
// beside it, the file is read afresh, the caller's change is applied to what
// is there now, and the result is written atomically. So no window's update
// undoes another's.
#include "TextFile.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <system_error>

namespace smek {

// How long an update waits for another window's: far beyond any write of a
// small file, far below what a player would take for a frozen window.
inline constexpr std::chrono::milliseconds kLockWait{1000};

// "<file>.lock", beside the file; it stays there, empty.
std::filesystem::path lockFileOf(const std::filesystem::path& file);

// change sees the file as it is now (read.error set when it is missing or
// unreadable) and returns its new content, or nullopt to leave it as it is.
using FileChange = std::function<std::optional<std::string>(const ReadResult& read)>;

// Creates the file's folder when needed. The change runs at most once, and
// not at all when the lock cannot be had. Empty when the change was written
// or wanted no write; kBusy when another window held the lock too long and
// the update was given up; else why the folder, the lock or the write failed.
std::error_code updateFile(const std::filesystem::path& file, const FileChange& change,
                           std::chrono::milliseconds wait = kLockWait);
inline constexpr std::errc kBusy = std::errc::device_or_resource_busy;

// The lock alone, for a change that is no rewrite (setting a file aside).
class FileLock {
public:
    FileLock(const std::filesystem::path& file, std::chrono::milliseconds wait = kLockWait);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool held() const { return fd_ >= 0; }
    // Why it is not held: kBusy when another held it too long.
    const std::error_code& error() const { return error_; }

private:
    int fd_ = -1;
    std::error_code error_;
};

} // namespace smek
