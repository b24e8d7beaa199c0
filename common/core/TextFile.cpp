#include "TextFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace smek {
namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

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

    // A short name, so that any name the file system takes can be written.
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    std::string tmp = (folder / ".smekalia-XXXXXX").string();
    const int fd = ::mkstemp(tmp.data());
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
    if (!error && ::rename(tmp.c_str(), target.c_str()) != 0) error = lastError();
    if (error) {
        ::unlink(tmp.c_str());
        return error;
    }
    // The new name must survive a power cut too: sync the folder that holds it.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return error;
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
