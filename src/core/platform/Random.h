#pragma once

#include <cstdint>
#include <random>

namespace velkarn {

// The program's one pseudo-random generator: seeded from the clock in the program and from a
// fixed seed in tests.
class Random {
public:
    explicit Random(std::uint32_t seed) : engine_(seed) {}
    static Random fromClock();

    // A number from 0 to bound - 1, each equally likely; 0 when bound is 0 or less.
    int below(int bound);

private:
    std::mt19937 engine_;
};

} // namespace velkarn
