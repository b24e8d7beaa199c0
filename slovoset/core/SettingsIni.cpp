// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsIni.h"

#include "common/core/SettingsFile.h"
#include "common/core/TextFile.h"

namespace smek::slovoset {

int LoadFileINI(const std::filesystem::path& file) {
    const smek::ReadResult read = smek::readTextFile(file);
    if (read.error) return 0;
    int lenSlov = 0;
    smek::readSettingsNumbers(read.content, {&lenSlov});
    return lenSlov < 0 || lenSlov > 21 ? 0 : lenSlov;
}

std::error_code SaveFileINI(const std::filesystem::path& file, int lenSlov) {
    return smek::writeTextFileAtomic(file, smek::settingsLines({lenSlov}));
}

} // namespace smek::slovoset
