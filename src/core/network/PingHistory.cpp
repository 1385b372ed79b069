#include "core/network/PingHistory.h"

#include <algorithm>

namespace velkarn {

namespace {

// A ping is shown as the engine's are, in milliseconds; longer than this is no game.
constexpr int LongestPing = 9999;

} // namespace

void PingHistory::record(std::optional<int> pingMs) {
    pings_[next_] =
        pingMs ? static_cast<std::int16_t>(std::clamp(*pingMs, 0, LongestPing)) : Silent;
    next_ = static_cast<std::uint8_t>((next_ + 1) % Rounds);
    if (count_ < Rounds)
        ++count_;
}

std::optional<int> PingHistory::lossPercent() const {
    if (count_ == 0)
        return std::nullopt;
    int silent = 0;
    for (std::size_t i = 0; i < count_; ++i)
        silent += pings_[i] == Silent ? 1 : 0;
    return (silent * 100 + count_ / 2) / count_;
}

std::vector<std::optional<int>> PingHistory::pings() const {
    std::vector<std::optional<int>> result;
    const std::size_t first = count_ < Rounds ? 0 : next_;
    for (std::size_t i = 0; i < count_; ++i) {
        const std::int16_t ping = pings_[(first + i) % Rounds];
        result.push_back(ping == Silent ? std::nullopt : std::optional<int>(ping));
    }
    return result;
}

} // namespace velkarn
