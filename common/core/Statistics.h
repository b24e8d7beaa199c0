// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A player's statistics of one program: games started, won, lost on time and
// given up, hints, the longest run of wins and, per word-search level, the
// best and average time of a win. Kept in a small file of its own per user,
// shared by every open window of the program: each change is applied to the
// file as it is now, under its lock. A damaged file is set aside beside itself
// and counting starts afresh; an unreadable one is left alone.
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace smek {

enum class Outcome { Won, LostOnTime, GivenUp };

struct LevelTimes {
    int wins = 0;               // wins with a measured time
    long long totalSeconds = 0; // their sum
    long long bestSeconds = 0;  // the fastest; meaningful once wins > 0
    bool operator==(const LevelTimes&) const = default;
};

struct Statistics {
    int started = 0;
    int won = 0;
    int lostOnTime = 0;
    int givenUp = 0;
    int hints = 0;
    int streak = 0; // wins in a row, up to the last game
    int longestStreak = 0;
    std::array<LevelTimes, 3> levels{};
    bool operator==(const Statistics&) const = default;
};

// The file's text, and reading it back; nullopt for a text that is not one,
// or with a value beyond the counters' range (which counting never reaches:
// counts stop at their maximum).
std::string statisticsText(const Statistics& stats);
std::optional<Statistics> parseStatistics(std::string_view text);

// "0:45", "12:05", "1:02:03".
std::string durationText(long long seconds);
// Whole seconds, rounded; nullopt before the first timed win.
std::optional<long long> averageSeconds(const LevelTimes& times);

// The running record of one program. A window keeps only its own changes:
// each is applied at once to the file as another window may have left it,
// and totals() is the record as last read or written. A file that cannot be
// written, or an update that waits too long for another window's, leaves the
// change in memory, silently, as the settings files do.
class StatisticsBook {
public:
    StatisticsBook() = default; // in memory only
    explicit StatisticsBook(std::filesystem::path file);

    const Statistics& totals() const { return stats_; }
    // Reads the record again, with what other windows have counted since.
    void reload();
    // Where a damaged file was set aside when the book was opened; else empty.
    const std::filesystem::path& setAsideAs() const { return setAside_; }
    // The file could not be read for want of permission: it is left as it is
    // and this run counts in memory only.
    bool inMemoryOnly() const { return memoryOnly_; }
    bool inPlay() const { return inPlay_; }

    // A new game. A game still in play is left unfinished: the run of wins ends.
    void gameStarted();
    // A game counted as started in an earlier run comes back (kept at close):
    // it is in play again without being counted again.
    void gameResumed() { inPlay_ = true; }
    // The game in play is left unfinished without a new one (an opened game
    // that is already over takes its place): the run of wins ends.
    void gameLeft();
    // The end of the game in play; only its first end counts (a word-search
    // game given up can still be finished, a compose-a-word win shown again).
    // level 0..2 and seconds >= 0 record the time of a win. False when no game
    // was in play.
    bool gameEnded(Outcome outcome, int level = -1, long long seconds = -1);
    void hintUsed(int count = 1);
    void reset();

private:
    void apply(const std::function<void(Statistics&)>& change);

    std::filesystem::path file_;
    Statistics stats_;
    bool inPlay_ = false;
    bool memoryOnly_ = false;
    std::filesystem::path setAside_;
};

} // namespace smek
