// SPDX-License-Identifier: GPL-3.0-or-later
#include "Statistics.h"

#include "LockedUpdate.h"
#include "TextFile.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <vector>

namespace smek {
namespace {

constexpr std::string_view kHeader = "smekalia statistics 1";
constexpr int kSetAsideNames = 100;
// The largest sum of seconds a file holds; sums stop there.
constexpr long long kMaxSeconds = LLONG_MAX / 2;

// The file's fields: name, and where the value lives.
struct Field {
    const char* name;
    int Statistics::*count = nullptr;
    int level = -1;
    int LevelTimes::*levelCount = nullptr;
    long long LevelTimes::*levelSeconds = nullptr;
};

std::vector<Field> fields() {
    std::vector<Field> list{
        {"started", &Statistics::started},
        {"won", &Statistics::won},
        {"lost_on_time", &Statistics::lostOnTime},
        {"given_up", &Statistics::givenUp},
        {"hints", &Statistics::hints},
        {"streak", &Statistics::streak},
        {"longest_streak", &Statistics::longestStreak},
    };
    static const char* const kLevelNames[3][3] = {
        {"level1_wins", "level1_total_seconds", "level1_best_seconds"},
        {"level2_wins", "level2_total_seconds", "level2_best_seconds"},
        {"level3_wins", "level3_total_seconds", "level3_best_seconds"},
    };
    for (int l = 0; l < 3; ++l) {
        list.push_back({kLevelNames[l][0], nullptr, l, &LevelTimes::wins});
        list.push_back({kLevelNames[l][1], nullptr, l, nullptr, &LevelTimes::totalSeconds});
        list.push_back({kLevelNames[l][2], nullptr, l, nullptr, &LevelTimes::bestSeconds});
    }
    return list;
}

std::optional<long long> number(std::string_view text, long long limit) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > limit) return std::nullopt;
    return value;
}

std::filesystem::path setAside(const std::filesystem::path& file) {
    std::error_code ec;
    std::filesystem::path target;
    for (int n = 1; n <= kSetAsideNames; ++n) {
        target = file.string() + (n == 1 ? ".damaged" : ".damaged-" + std::to_string(n));
        if (!std::filesystem::exists(std::filesystem::symlink_status(target, ec))) break;
    }
    std::filesystem::rename(file, target, ec);
    return ec ? std::filesystem::path() : target;
}

// Counts stop at their maximum rather than wrap.
void add(int& count, long long n) {
    count = static_cast<int>(std::clamp(count + n, 0LL, static_cast<long long>(INT_MAX)));
}

bool permissionDenied(const std::error_code& error) {
    return error == std::errc::permission_denied || error == std::errc::operation_not_permitted;
}

} // namespace

std::string statisticsText(const Statistics& stats) {
    std::string text = std::string(kHeader) + "\n";
    for (const Field& f : fields()) {
        long long value = 0;
        if (f.count) value = stats.*f.count;
        else if (f.levelCount) value = stats.levels[static_cast<size_t>(f.level)].*f.levelCount;
        else value = stats.levels[static_cast<size_t>(f.level)].*f.levelSeconds;
        text += std::string(f.name) + " " + std::to_string(value) + "\n";
    }
    return text;
}

std::optional<Statistics> parseStatistics(std::string_view text) {
    const std::vector<std::string_view> lines = splitLines(text);
    if (lines.empty() || lines.front() != kHeader) return std::nullopt;
    const std::vector<Field> known = fields();
    Statistics stats;
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.empty()) continue;
        const size_t blank = line.find(' ');
        if (blank == std::string_view::npos) return std::nullopt;
        const std::string_view name = line.substr(0, blank);
        const auto field = std::find_if(known.begin(), known.end(), [&](const Field& f) { return name == f.name; });
        const bool seconds = field != known.end() && field->levelSeconds;
        const auto value = number(line.substr(blank + 1), seconds ? kMaxSeconds : INT_MAX);
        if (!value) return std::nullopt;
        if (field == known.end()) continue; // a count of a later edition: kept out, not fatal
        if (field->count) stats.*field->count = static_cast<int>(*value);
        else if (field->levelCount) stats.levels[static_cast<size_t>(field->level)].*field->levelCount = static_cast<int>(*value);
        else stats.levels[static_cast<size_t>(field->level)].*field->levelSeconds = *value;
    }
    return stats;
}

std::string durationText(long long seconds) {
    if (seconds < 0) seconds = 0;
    const long long h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    auto two = [](long long v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    return h > 0 ? std::to_string(h) + ":" + two(m) + ":" + two(s) : std::to_string(m) + ":" + two(s);
}

std::optional<long long> averageSeconds(const LevelTimes& times) {
    if (times.wins <= 0) return std::nullopt;
    return (times.totalSeconds + times.wins / 2) / times.wins;
}

namespace {

enum class FileIs { Missing, Unreadable, Read, Damaged };

// What a read of the file found; a record that reads back goes to `into`.
FileIs examine(const ReadResult& read, Statistics& into) {
    if (read.error == std::errc::no_such_file_or_directory) return FileIs::Missing;
    if (permissionDenied(read.error)) return FileIs::Unreadable;
    const std::optional<Statistics> stats = read.error ? std::nullopt : parseStatistics(read.content);
    if (!stats) return FileIs::Damaged;
    into = *stats;
    return FileIs::Read;
}

} // namespace

StatisticsBook::StatisticsBook(std::filesystem::path file) : file_(std::move(file)) {
    switch (examine(readTextFile(file_), stats_)) {
    case FileIs::Missing:
    case FileIs::Read: return;
    case FileIs::Unreadable: memoryOnly_ = true; return;
    case FileIs::Damaged: break;
    }
    // Damaged: kept beside itself for a curious player, and a fresh count
    // starts; nothing stops the game. Under the lock, and only if it is still
    // damaged, since another window may just have replaced it.
    const FileLock lock(file_);
    if (lock.held() && examine(readTextFile(file_), stats_) == FileIs::Damaged) setAside_ = setAside(file_);
}

void StatisticsBook::reload() {
    if (file_.empty() || memoryOnly_) return;
    Statistics fresh;
    const FileIs found = examine(readTextFile(file_), fresh);
    // A damaged file is left to the next update, which sets it aside under the lock.
    if (found == FileIs::Read || found == FileIs::Missing) stats_ = fresh;
}

void StatisticsBook::apply(const std::function<void(Statistics&)>& change) {
    if (file_.empty() || memoryOnly_) {
        change(stats_);
        return;
    }
    Statistics fresh;
    bool unreadable = false;
    const std::error_code error = updateFile(file_, [&](const ReadResult& read) -> std::optional<std::string> {
        switch (examine(read, fresh)) {
        case FileIs::Unreadable: unreadable = true; return std::nullopt;
        case FileIs::Damaged: setAside_ = setAside(file_); break; // damaged since it was last read
        case FileIs::Missing:
        case FileIs::Read: break;
        }
        change(fresh);
        return statisticsText(fresh);
    });
    if (!error && !unreadable) {
        stats_ = fresh;
        return;
    }
    // Not written: the change holds for this window until the next update
    // reads the file again.
    memoryOnly_ = unreadable;
    change(stats_);
}

void StatisticsBook::gameStarted() {
    const bool unfinished = inPlay_;
    inPlay_ = true;
    apply([unfinished](Statistics& s) {
        if (unfinished) s.streak = 0;
        add(s.started, 1);
    });
}

void StatisticsBook::gameLeft() {
    if (!inPlay_) return;
    inPlay_ = false;
    apply([](Statistics& s) { s.streak = 0; });
}

bool StatisticsBook::gameEnded(Outcome outcome, int level, long long seconds) {
    if (!inPlay_) return false;
    inPlay_ = false;
    apply([=](Statistics& s) {
        switch (outcome) {
        case Outcome::Won:
            add(s.won, 1);
            add(s.streak, 1);
            s.longestStreak = std::max(s.longestStreak, s.streak);
            if (level >= 0 && level < 3 && seconds >= 0) {
                LevelTimes& t = s.levels[static_cast<size_t>(level)];
                const long long time = std::min(seconds, kMaxSeconds);
                t.bestSeconds = t.wins == 0 ? time : std::min(t.bestSeconds, time);
                add(t.wins, 1);
                t.totalSeconds = std::min(t.totalSeconds, kMaxSeconds - time) + time;
            }
            break;
        case Outcome::LostOnTime:
            add(s.lostOnTime, 1);
            s.streak = 0;
            break;
        case Outcome::GivenUp:
            add(s.givenUp, 1);
            s.streak = 0;
            break;
        }
    });
    return true;
}

void StatisticsBook::hintUsed(int count) {
    apply([count](Statistics& s) { add(s.hints, count); });
}

void StatisticsBook::reset() {
    // A game in play keeps going; it counts as started again in the fresh record.
    const bool inPlay = inPlay_;
    apply([inPlay](Statistics& s) {
        s = Statistics{};
        if (inPlay) s.started = 1;
    });
}

} // namespace smek
