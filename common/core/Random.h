// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The games' one source of chance: uniform u in [0, 1) and whole numbers
// a..b = a + floor(u * (b - a + 1)). Programs seed it from the clock; tests
// give a fixed seed or a scripted sequence.
#include <cstdint>
#include <random>
#include <vector>

namespace smek {

class Random {
public:
    explicit Random(std::uint64_t seed);
    static Random fromClock();
    virtual ~Random() = default;

    virtual double uniform();
    int between(int a, int b);
    // Re-seeds from the time of day where the design asks for it; a fixed-seed
    // generator keeps its sequence so seeded runs stay repeatable.
    void reseed();

private:
    std::mt19937_64 engine_;
    bool fromClock_ = false;
};

// Answers from a list, round and round.
class ScriptedRandom : public Random {
public:
    explicit ScriptedRandom(std::vector<double> values);
    double uniform() override;

private:
    std::vector<double> values_;
    size_t next_ = 0;
};

} // namespace smek
