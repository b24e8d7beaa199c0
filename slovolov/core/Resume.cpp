#include "Resume.h"

#include "common/core/TextFile.h"

namespace smek::slovolov {

bool keepForResume(const GameState& g, const std::filesystem::path& file) {
    std::error_code ignored;
    if (g.Remain < 0 || !completeGame(g)) {
        std::filesystem::remove(file, ignored);
        // An own puzzle in play that no saved game holds cannot be kept.
        return g.Remain < 0 || !g.own;
    }
    std::filesystem::create_directories(file.parent_path(), ignored);
    return !writeTextFileAtomic(file, slvText(g));
}

std::optional<LoadedGame> takeResume(const std::filesystem::path& file) {
    std::error_code missing;
    if (!std::filesystem::exists(file, missing)) return std::nullopt;
    const ReadOutcome read = readGameFile(file.string(), slvHeaderLine);
    std::optional<LoadedGame> game = read.ok ? parseSlv(read.content) : std::nullopt;
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    if (game && game->Remain < 0) return std::nullopt; // nothing left to play
    return game;
}

} // namespace smek::slovolov
