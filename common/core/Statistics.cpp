#include "Statistics.h"

#include "TextFile.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <vector>

namespace smek {
namespace {

constexpr std::string_view kHeader = "smekalia statistics 1";
constexpr int kSetAsideNames = 100;

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
        const auto value = number(line.substr(blank + 1), seconds ? LLONG_MAX / 2 : INT_MAX);
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

StatisticsBook::StatisticsBook(std::filesystem::path file) : file_(std::move(file)) {
    const ReadResult read = readTextFile(file_);
    if (read.error == std::errc::no_such_file_or_directory) return;
    const std::optional<Statistics> stats = read.error ? std::nullopt : parseStatistics(read.content);
    if (stats) {
        stats_ = *stats;
        return;
    }
    // Damaged or unreadable: kept beside itself for a curious player, and a
    // fresh count starts; nothing stops the game.
    setAside_ = setAside(file_);
}

void StatisticsBook::gameStarted() {
    if (inPlay_) stats_.streak = 0;
    inPlay_ = true;
    ++stats_.started;
    save();
}

void StatisticsBook::gameLeft() {
    if (!inPlay_) return;
    inPlay_ = false;
    stats_.streak = 0;
    save();
}

bool StatisticsBook::gameEnded(Outcome outcome, int level, long long seconds) {
    if (!inPlay_) return false;
    inPlay_ = false;
    switch (outcome) {
    case Outcome::Won:
        ++stats_.won;
        stats_.longestStreak = std::max(stats_.longestStreak, ++stats_.streak);
        if (level >= 0 && level < 3 && seconds >= 0) {
            LevelTimes& t = stats_.levels[static_cast<size_t>(level)];
            t.bestSeconds = t.wins == 0 ? seconds : std::min(t.bestSeconds, seconds);
            ++t.wins;
            t.totalSeconds += seconds;
        }
        break;
    case Outcome::LostOnTime:
        ++stats_.lostOnTime;
        stats_.streak = 0;
        break;
    case Outcome::GivenUp:
        ++stats_.givenUp;
        stats_.streak = 0;
        break;
    }
    save();
    return true;
}

void StatisticsBook::hintUsed(int count) {
    stats_.hints += count;
    save();
}

void StatisticsBook::reset() {
    stats_ = Statistics{};
    // A game in play keeps going; it counts as started again in the fresh record.
    if (inPlay_) stats_.started = 1;
    save();
}

void StatisticsBook::save() const {
    if (file_.empty()) return;
    std::error_code ec;
    std::filesystem::create_directories(file_.parent_path(), ec);
    writeTextFileAtomic(file_, statisticsText(stats_)); // a record that cannot be kept is not worth a message
}

} // namespace smek
