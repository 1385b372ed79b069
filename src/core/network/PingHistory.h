#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace velkarn {

// A server's last rounds of questions: its ping in each, or that it stayed silent. Fixed in
// size, so thousands of servers asked all session long keep no more than they started with.
class PingHistory {
public:
    static constexpr std::size_t Rounds = 16;

    // One more round: the ping of the answer, or nothing when none came.
    void record(std::optional<int> pingMs);
    int rounds() const { return count_; }
    // The rounds without an answer, in per cent of the rounds kept; nothing before the first.
    std::optional<int> lossPercent() const;
    // The rounds kept, oldest first.
    std::vector<std::optional<int>> pings() const;

private:
    static constexpr std::int16_t Silent = -1;
    std::array<std::int16_t, Rounds> pings_{};
    std::uint8_t next_ = 0;
    std::uint8_t count_ = 0;
};

} // namespace velkarn
