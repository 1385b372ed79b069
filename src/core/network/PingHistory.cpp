#include "core/network/PingHistory.h"

#include <algorithm>

namespace velkarn {

namespace {

// A ping is shown as the engine's are, in milliseconds; longer than this is no game.
constexpr int LongestPing = 9999;

} // namespace

void PingHistory::record(std::optional<int> pingMs, int requests) {
    pings_[next_] =
        pingMs ? static_cast<std::int16_t>(std::clamp(*pingMs, 0, LongestPing)) : Silent;
    // A round asks at least once, and a query sends only a few retries.
    requests_[next_] = static_cast<std::uint8_t>(std::clamp(requests, 1, 255));
    next_ = static_cast<std::uint8_t>((next_ + 1) % Rounds);
    if (count_ < Rounds)
        ++count_;
}

std::optional<int> PingHistory::lossPercent() const {
    if (count_ == 0)
        return std::nullopt;
    int sent = 0;
    int lost = 0;
    for (std::size_t i = 0; i < count_; ++i) {
        sent += requests_[i];
        lost += requests_[i] - (pings_[i] == Silent ? 0 : 1);
    }
    return (lost * 100 + sent / 2) / sent;
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
