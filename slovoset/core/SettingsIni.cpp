#include "SettingsIni.h"

#include "common/core/FreeFormat.h"
#include "common/core/NumberText.h"
#include "common/core/TextFile.h"

namespace slovoset {

int readLenSlov(const std::filesystem::path& file) {
    const smek::ReadResult read = smek::readTextFile(file);
    if (read.error) return 0;
    const std::optional<int> n = smek::FreeFormatReader(read.content).readNumber();
    if (!n || *n < 0 || *n > 21) return 0;
    return *n;
}

void writeLenSlov(const std::filesystem::path& file, int lenSlov) {
    (void)smek::writeTextFileAtomic(file, smek::settingsLine(lenSlov));
}

} // namespace slovoset
