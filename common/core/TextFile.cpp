#include "TextFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace smek {
namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

} // namespace

ReadResult readTextFile(const std::filesystem::path& path) {
    ReadResult result;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.error = lastError();
        return result;
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        result.error = std::make_error_code(std::errc::is_a_directory);
        return result;
    }
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
    }
    ::close(fd);
    return result;
}

std::error_code writeTextFileAtomic(const std::filesystem::path& path, std::string_view content) {
    mode_t mode = 0666;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return std::make_error_code(std::errc::is_a_directory);
        if (::access(path.c_str(), W_OK) != 0) return lastError();
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }

    std::string tmp = path.string() + ".XXXXXX";
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
    if (!error && ::rename(tmp.c_str(), path.c_str()) != 0) error = lastError();
    if (error) ::unlink(tmp.c_str());
    return error;
}

} // namespace smek
