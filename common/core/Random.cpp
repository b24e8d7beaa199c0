// SPDX-License-Identifier: GPL-3.0-or-later
#include "Random.h"

#include <chrono>
#include <cmath>

namespace smek {
namespace {

std::uint64_t clockSeed() {
    return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

} // namespace

Random::Random(std::uint64_t seed) : engine_(seed) {}

Random Random::fromClock() {
    Random r(clockSeed());
    r.fromClock_ = true;
    return r;
}

double Random::uniform() {
    const double u = std::generate_canonical<double, 53>(engine_);
    return u < 1.0 ? u : std::nextafter(1.0, 0.0); // some library versions can return 1.0
}

int Random::between(int a, int b) {
    const double u = uniform();
    const int v = a + static_cast<int>(std::floor(u * (static_cast<double>(b) - a + 1)));
    return v > b ? b : v; // guards u rounding up to 1.0
}

void Random::reseed() {
    if (fromClock_) engine_.seed(clockSeed());
}

ScriptedRandom::ScriptedRandom(std::vector<double> values) : Random(0), values_(std::move(values)) {}

double ScriptedRandom::uniform() {
    if (values_.empty()) return 0.0;
    const double v = values_[next_];
    next_ = (next_ + 1) % values_.size();
    return v;
}

} // namespace smek
