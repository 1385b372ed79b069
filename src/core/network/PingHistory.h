#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace velkarn {

// A server's last rounds of questions: its ping in each, or that it stayed silent, and how many
// requests each round sent (a request is sent again when its answer does not come). Fixed in
// size, so thousands of servers asked all session long keep no more than they started with.
class PingHistory {
public:
    static constexpr std::size_t Rounds = 16;

    // One more round: the ping of the answer, or nothing when none came, after `requests`
    // requests (all but the one answered went unanswered).
    void record(std::optional<int> pingMs, int requests = 1);
    int rounds() const { return count_; }
    // The requests that went unanswered, in per cent of those the kept rounds sent: the packet
    // loss, not only the silent rounds. Nothing before the first round.
    std::optional<int> lossPercent() const;
    // The rounds kept, oldest first.
    std::vector<std::optional<int>> pings() const;

private:
    static constexpr std::int16_t Silent = -1;
    std::array<std::int16_t, Rounds> pings_{};
    std::array<std::uint8_t, Rounds> requests_{};
    std::uint8_t next_ = 0;
    std::uint8_t count_ = 0;
};

} // namespace velkarn
