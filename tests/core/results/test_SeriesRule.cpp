#include "core/results/SeriesRule.h"

#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::results;

namespace {

LogMatch matchAt(unsigned long long offset, const std::string& startedAt) {
    LogMatch match;
    match.offset = offset;
    match.startedAt = startedAt;
    return match;
}

// A four-minute map the game stamped at 17:00:00, at offset 100 of the log.
PreviousMatch previousMap() {
    return PreviousMatch{7, 100, "2026-12-08 17:00:00", true, 240};
}

} // namespace

TEST(SeriesRule, ALaunchClaimsTheMatchesUntilAnotherMatchCameBetween) {
    const LogMatch next = matchAt(900, "2026-12-08 19:00:00");
    EXPECT_EQ(chooseSeries(500, std::nullopt, next), SeriesChoice::Launch);
    EXPECT_EQ(chooseSeries(500, previousMap(), next), SeriesChoice::Launch);
    // The launch came before the previous match: that match has the launch's series already.
    EXPECT_EQ(chooseSeries(50, previousMap(), matchAt(900, "2026-12-08 17:05:00")),
              SeriesChoice::Previous);
    EXPECT_EQ(chooseSeries(100, previousMap(), matchAt(900, "2026-12-08 17:05:00")),
              SeriesChoice::Previous)
        << "the launch's own first match";
    EXPECT_EQ(chooseSeries(std::nullopt, std::nullopt, next), SeriesChoice::New);
}

TEST(SeriesRule, MapsOfOneGameRunFollowWithinFiveMinutes) {
    const PreviousMatch previous = previousMap(); // ended 17:04:00
    EXPECT_TRUE(sameRun(previous, matchAt(900, "2026-12-08 17:04:20")));
    EXPECT_TRUE(sameRun(previous, matchAt(900, "2026-12-08 17:09:00")));
    EXPECT_FALSE(sameRun(previous, matchAt(900, "2026-12-08 17:09:01")));
    EXPECT_FALSE(sameRun(previous, matchAt(900, "2026-12-08 16:58:59")));
    EXPECT_TRUE(sameRun(previous, matchAt(900, "2026-12-08 16:59:00")))
        << "five minutes either way";
    EXPECT_EQ(chooseSeries(std::nullopt, previous, matchAt(900, "2026-12-09 10:00:00")),
              SeriesChoice::New);
    // Without the game's own times (or with one that is no time) nothing tells runs apart.
    EXPECT_TRUE(sameRun(previous, matchAt(900, "")));
    EXPECT_TRUE(
        sameRun({7, 100, "2026-12-08 17:00:00", false, 240}, matchAt(900, "2026-12-09 10:00:00")));
    EXPECT_TRUE(sameRun({7, 100, "garbled", true, 240}, matchAt(900, "2026-12-09 10:00:00")));
}
