// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextFile.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace smek {
namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

constexpr const char* kTempPrefix = ".smekalia-";
// A temporary file of an earlier edition, without a pid, older than this is
// taken for one a killed writer left.
constexpr time_t kOldTempSeconds = 24 * 3600;

} // namespace

ReadResult readTextFile(const std::filesystem::path& path, const std::function<bool(std::string_view)>& startsRight) {
    ReadResult result;
    const auto refuse = [&result](ReadResult::Refused why, std::errc error) {
        result.refused = why;
        result.error = std::make_error_code(error);
        result.content.clear();
        return result;
    };
    // Non-blocking, so that opening a pipe does not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.error = lastError();
        return result;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        result.error = lastError();
        ::close(fd);
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return refuse(ReadResult::Refused::NotRegular,
                      S_ISDIR(st.st_mode) ? std::errc::is_a_directory : std::errc::invalid_argument);
    }
    if (static_cast<std::uintmax_t>(st.st_size) > kMaxTextFileBytes) {
        ::close(fd);
        return refuse(ReadResult::Refused::TooLarge, std::errc::file_too_large);
    }
    result.content.reserve(static_cast<size_t>(st.st_size));
    bool checked = !startsRight;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            result.error = lastError();
            break;
        }
        if (got == 0) break;
        result.content.append(buffer, static_cast<size_t>(got));
        // A file that grows while it is read is held to the same bound.
        if (result.content.size() > kMaxTextFileBytes) {
            ::close(fd);
            return refuse(ReadResult::Refused::TooLarge, std::errc::file_too_large);
        }
        if (!checked) {
            checked = true;
            const std::string_view first(result.content);
            if (!startsRight(first.substr(0, first.find_first_of("\r\n")))) {
                ::close(fd);
                return refuse(ReadResult::Refused::WrongStart, std::errc::invalid_argument);
            }
        }
    }
    ::close(fd);
    if (!checked && !result.error && !startsRight(std::string_view())) // an empty file
        return refuse(ReadResult::Refused::WrongStart, std::errc::invalid_argument);
    return result;
}

bool existingFile(const std::filesystem::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::error_code writeTextFileAtomic(const std::filesystem::path& path, std::string_view content) {
    PreparedWrite write;
    std::error_code error = write.prepare(path, content);
    if (!error) error = write.commit();
    if (!error) syncFolder(write.folder());
    return error;
}

PreparedWrite::~PreparedWrite() {
    if (!temp_.empty()) ::unlink(temp_.c_str());
}

std::error_code PreparedWrite::prepare(const std::filesystem::path& path, std::string_view content) {
    // A link is followed: the file it points to is replaced, beside itself,
    // and the link stays a link.
    std::filesystem::path target = path;
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        // As the kernel's protected links: in a shared sticky folder such as
        // /tmp, only a link of the user's own or of the folder's owner is followed.
        struct stat shared {};
        const std::filesystem::path parent = path.parent_path().empty() ? "." : path.parent_path();
        if (::stat(parent.c_str(), &shared) == 0 && (shared.st_mode & S_ISVTX) && (shared.st_mode & S_IWOTH) &&
            st.st_uid != ::geteuid() && st.st_uid != shared.st_uid)
            return std::make_error_code(std::errc::permission_denied);
        std::error_code ec;
        target = std::filesystem::weakly_canonical(path, ec);
        if (ec) return ec;
    }
    mode_t mode = 0666;
    if (::stat(target.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return std::make_error_code(std::errc::is_a_directory);
        if (!S_ISREG(st.st_mode)) return std::make_error_code(std::errc::invalid_argument);
        // The permission bits, as the designed platform's read-only flag:
        // access() would let root replace a read-only file.
        if ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
            return std::make_error_code(std::errc::permission_denied);
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }

    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    removeStaleTemporaries(folder);
    // A short name, so that any name the file system takes can be written;
    // the pid tells a later write whether its writer is still at work.
    std::string tmp = (folder / (std::string(kTempPrefix) + std::to_string(::getpid()) + "-XXXXXX")).string();
    const int fd = ::mkostemp(tmp.data(), O_CLOEXEC);
    if (fd < 0) return lastError();
    std::error_code error;
    size_t done = 0;
    while (done < content.size()) {
        const ssize_t put = ::write(fd, content.data() + done, content.size() - done);
        if (put < 0) {
            if (errno == EINTR) continue;
            error = lastError();
            break;
        }
        done += static_cast<size_t>(put);
    }
    if (!error && ::fchmod(fd, mode) != 0) error = lastError();
    if (!error && ::fsync(fd) != 0) error = lastError();
    if (::close(fd) != 0 && !error) error = lastError();
    if (error) {
        ::unlink(tmp.c_str());
        return error;
    }
    if (!temp_.empty()) ::unlink(temp_.c_str());
    target_ = std::move(target);
    folder_ = folder;
    temp_ = std::move(tmp);
    return {};
}

std::error_code PreparedWrite::commit() {
    if (temp_.empty()) return std::make_error_code(std::errc::invalid_argument);
    if (::rename(temp_.c_str(), target_.c_str()) != 0) return lastError(); // the destructor removes the copy
    temp_.clear();
    return {};
}

void syncFolder(const std::filesystem::path& folder) {
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

void removeStaleTemporaries(const std::filesystem::path& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const std::string_view prefix = kTempPrefix;
    const uid_t self = ::geteuid();
    const time_t now = ::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name.substr(0, prefix.size()) != prefix) continue;
        const std::string_view rest = name.substr(prefix.size());
        struct stat st {};
        if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
            st.st_uid != self)
            continue;
        bool stale = false;
        const size_t dash = rest.find('-');
        if (dash == std::string_view::npos) {
            // An earlier edition's name has no pid: only an old one is surely abandoned.
            stale = rest.size() == 6 && now - st.st_mtime > kOldTempSeconds;
        } else {
            int pid = 0;
            const auto [end, ec] = std::from_chars(rest.data(), rest.data() + dash, pid);
            // A pid that is gone; one that lives (or was reused) is left alone.
            stale = ec == std::errc() && end == rest.data() + dash && pid > 0 && rest.size() - dash - 1 == 6 &&
                    ::kill(pid, 0) != 0 && errno == ESRCH;
        }
        if (stale) ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

std::vector<std::string_view> splitLines(std::string_view content) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string_view::npos) end = content.size();
        std::string_view line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

} // namespace smek
