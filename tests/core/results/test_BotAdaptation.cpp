#include "core/results/BotAdaptation.h"

#include <gtest/gtest.h>

using namespace velkarn;

namespace {

// A finished map of the player ("P") against bots of skill `skill`, the player at `place` of
// `field`.
MatchResult map(int place, int field = 4, int skill = 3, bool finished = true) {
    MatchResult match;
    match.finished = finished;
    for (int p = 1; p <= field; ++p) {
        ParticipantResult who;
        who.place = p;
        who.score = field - p;
        who.player = p == place;
        who.bot = !who.player;
        who.skill = who.bot ? skill : 0;
        who.name = who.player ? "P" : "Bot" + std::to_string(p);
        match.participants.push_back(who);
    }
    return match;
}

SeriesResult series(std::vector<MatchResult> matches) {
    SeriesResult s;
    s.matches = std::move(matches);
    return s;
}

int skillAfter(const std::vector<MatchResult>& matches, int fallback = 3) {
    const SeriesResult s = series(matches);
    return adaptBotSkill(&s, fallback).skill;
}

} // namespace

TEST(BotAdaptation, OneUpWhenThePlayerWonMostMaps) {
    EXPECT_EQ(skillAfter({map(1), map(1), map(3)}), 4);
    EXPECT_EQ(skillAfter({map(1), map(2)}), 3) << "half is not most";
    EXPECT_EQ(skillAfter({map(1, 4, 5), map(1, 4, 5)}), 5) << "5 is the highest";
    const SeriesResult best = series({map(1, 4, 5)});
    EXPECT_EQ(adaptBotSkill(&best, 3).reason,
              "Skill 5: you won 1 of 1 map in the last series, and 5 is the highest.");
}

TEST(BotAdaptation, OneDownWhenThePlayerFinishedLastInMost) {
    EXPECT_EQ(skillAfter({map(4), map(4), map(2)}), 2);
    EXPECT_EQ(skillAfter({map(4), map(2)}), 3);
    EXPECT_EQ(skillAfter({map(4, 4, 1), map(4, 4, 1)}), 1) << "1 is the lowest";
    const SeriesResult worst = series({map(4), map(4), map(1)});
    EXPECT_EQ(adaptBotSkill(&worst, 3).reason,
              "Skill 2: you finished last in 2 of 3 maps in the last series (its bots played at "
              "skill 3).");
}

TEST(BotAdaptation, StartsFromTheLastSeriesBotsAndCountsFinishedMapsOnly) {
    // Bots of skill 2 and 4 average to 3; the unfinished map decides nothing.
    EXPECT_EQ(skillAfter({map(1, 4, 2), map(1, 4, 4), map(4, 4, 5, false), map(4, 4, 5, false)}),
              4);
    EXPECT_EQ(skillAfter({map(2)}), 3);
    const SeriesResult same = series({map(2), map(3)});
    EXPECT_EQ(adaptBotSkill(&same, 3).reason,
              "Skill 3, as in the last series: you won 0 and finished last in 0 of 2 maps.");
}

TEST(BotAdaptation, WithoutASeriesTheFallbackStays) {
    EXPECT_EQ(adaptBotSkill(nullptr, 4).skill, 4);
    EXPECT_EQ(adaptBotSkill(nullptr, 9).skill, 5);
    EXPECT_EQ(adaptBotSkill(nullptr, 2).reason,
              "No series of yours is recorded yet: the bots play at skill 2.");
    // The newest series with the player counts; one of bots alone (a server) is passed over.
    const std::vector<SeriesResult> newestFirst{series({map(0)}), series({map(1)})};
    EXPECT_EQ(lastSeriesWithPlayer(newestFirst), &newestFirst[1]);
}
