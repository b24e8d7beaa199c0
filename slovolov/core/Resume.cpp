// SPDX-License-Identifier: GPL-3.0-or-later
#include "Resume.h"

#include "common/core/TextFile.h"

namespace smek::slovolov {

std::filesystem::path startedMark(const std::filesystem::path& file) {
    std::filesystem::path mark = file;
    mark += ".started";
    return mark;
}

bool keepForResume(const GameState& g, const std::filesystem::path& file, bool started) {
    std::error_code ignored;
    if (g.Remain < 0 || !completeGame(g)) {
        std::filesystem::remove(file, ignored);
        std::filesystem::remove(startedMark(file), ignored);
        // An own puzzle in play that no saved game holds cannot be kept.
        return g.Remain < 0 || !g.own;
    }
    std::filesystem::create_directories(file.parent_path(), ignored);
    if (writeTextFileAtomic(file, slvText(g))) return false;
    // A mark that cannot be written only lets the game count once more.
    if (started) (void)writeTextFileAtomic(startedMark(file), "");
    else std::filesystem::remove(startedMark(file), ignored);
    return true;
}

std::optional<KeptGame> takeResume(const std::filesystem::path& file) {
    std::error_code missing;
    const bool started = std::filesystem::exists(startedMark(file), missing);
    std::error_code ignored;
    std::filesystem::remove(startedMark(file), ignored);
    if (!std::filesystem::exists(file, missing)) return std::nullopt;
    const ReadOutcome read = readGameFile(file.string(), slvHeaderLine);
    std::optional<LoadedGame> game = read.ok ? parseSlv(read.content) : std::nullopt;
    std::filesystem::remove(file, ignored);
    if (!game || game->Remain < 0) return std::nullopt; // nothing left to play
    return KeptGame{std::move(*game), started};
}

} // namespace smek::slovolov
