#include "core/platform/Random.h"

#include <chrono>

namespace velkarn {

Random Random::fromClock() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return Random(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
}

int Random::below(int bound) {
    if (bound <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, bound - 1)(engine_);
}

} // namespace velkarn
