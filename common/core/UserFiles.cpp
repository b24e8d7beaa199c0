// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace smek {
namespace fs = std::filesystem;

bool writableFolder(const fs::path& folder) {
    std::error_code ec;
    return !folder.empty() && fs::is_directory(folder, ec) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool isPortable(const std::string& pathData) {
    std::error_code ec;
    return writableFolder(pathData) && !fs::exists(fs::path(pathData) / kInstalledMarker, ec);
}

Places placesFor(const std::string& pathData, const UserFolders& user) {
    Places p;
    p.data = pathData;
    p.own = isPortable(pathData) ? pathData : (user.config / "smekalia").string() + "/";
    // The session's runtime folder is private already; without one, a folder
    // of this user's in the temporary folder (checked when a page is written).
    p.pages = !user.runtime.empty() ? user.runtime / "smekalia"
                                    : user.temp / ("smekalia-" + std::to_string(::geteuid()));
    p.documents = user.documents;
    p.home = user.home;
    p.temp = user.temp;
    p.userData = user.data / "smekalia";
    return p;
}

fs::path settingsToRead(const Places& places, const std::string& fileName) {
    const fs::path own = fs::path(places.own) / fileName;
    std::error_code ec;
    if (places.own == places.data || fs::exists(own, ec)) return own;
    return fs::path(places.data) / fileName;
}

fs::path settingsToWrite(const Places& places, const std::string& fileName) {
    std::error_code ec;
    fs::create_directories(fs::path(places.own), ec); // a failure shows when the file is written
    return fs::path(places.own) / fileName;
}

namespace {

// A real directory (not a link), ours, closed to everybody else.
bool ownPrivateDirectory(const fs::path& folder) {
    struct stat st {};
    return ::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & 077) == 0;
}

} // namespace

std::optional<fs::path> privateFolder(const fs::path& preferred, const fs::path& temp) {
    if (!preferred.empty()) {
        ::mkdir(preferred.c_str(), 0700); // fails harmlessly when it exists
        if (ownPrivateDirectory(preferred)) return preferred;
    }
    std::string pattern = (temp / "smekalia-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return std::nullopt;
    return fs::path(pattern);
}

} // namespace smek
