#pragma once
// Root reads and writes any file, so a case about a file the player cannot
// read or a folder they cannot write needs an ordinary user. ctest runs the
// cases listed in tests/ordinary-user.txt as one (nobody, when it is started
// as root); started by hand as root, such a case skips and says why.
#include <unistd.h>

namespace smek {

inline bool runningAsRoot() { return ::geteuid() == 0; }
inline constexpr const char* kNeedsOrdinaryUser =
    "needs an ordinary user (root reads and writes any file); ctest runs it as one";

} // namespace smek
