#include "core/setup/RosterOps.h"
#include "support/RotationFixtures.h"

#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

AMap withBots(int count, const std::string& team = "") {
    AMap entry = rotationEntry("m", TeamDeathmatch, 0, 20);
    for (int i = 0; i < count; ++i)
        AddBotByHand(entry, "Bot" + std::to_string(i), 1 + i % 5, team);
    return entry;
}

std::vector<std::string> names(const AMap& entry) {
    std::vector<std::string> result;
    for (int i = 0; i < entry.BotCount; ++i)
        result.push_back(entry.Bots[static_cast<size_t>(i)].Name);
    return result;
}

const std::vector<std::string> botNames = {"Anarki", "Bones", "Crash"};

} // namespace

TEST(RosterOps, HandBuiltRosterStopsAtSeventeen) {
    AMap entry = withBots(16);
    EXPECT_TRUE(AddBotByHand(entry, "Sarge", 4, ""));
    EXPECT_EQ(entry.BotCount, 17);
    EXPECT_EQ(entry.Bots[16].Name, "Sarge");
    EXPECT_EQ(entry.Bots[16].Skill, 4);
    EXPECT_EQ(entry.Bots[16].Team, "");
    EXPECT_FALSE(AddBotByHand(entry, "Extra", 1, ""));
    EXPECT_EQ(entry.BotCount, 17);

    AMap damaged = withBots(0);
    damaged.BotCount = 250;
    EXPECT_FALSE(AddBotByHand(damaged, "Extra", 1, ""));
}

TEST(RosterOps, RemovingMovesLaterBotsUp) {
    AMap entry = withBots(4);
    entry.Bots[3].Team = "Red";
    EXPECT_EQ(RemoveBots(entry, {2, 0, 0, 9}), 2);
    EXPECT_EQ(names(entry), (std::vector<std::string>{"Bot1", "Bot3"}));
    EXPECT_EQ(entry.Bots[1].Skill, 4);
    EXPECT_EQ(entry.Bots[1].Team, "Red");
    EXPECT_EQ(entry.Bots[2].Name, ""); // no stale bot behind the roster
}

TEST(RosterOps, RandomBotsFillUpToSixteen) {
    Random random(7);
    AMap fourteen = withBots(14);
    EXPECT_EQ(AddRandomBots(fourteen, 4, botNames, 0, TeamChoice::Disabled, random), 2);
    EXPECT_EQ(fourteen.BotCount, 16);
    AMap full = withBots(17);
    EXPECT_EQ(AddRandomBots(full, 4, botNames, 0, TeamChoice::Disabled, random), 0);
    EXPECT_EQ(full.BotCount, 17);
    AMap damaged = withBots(0);
    damaged.BotCount = 200;
    EXPECT_EQ(AddRandomBots(damaged, 4, botNames, 0, TeamChoice::Disabled, random), 0);
}

TEST(RosterOps, RandomTeamsBalanceWithTiesToRed) {
    Random random(1);
    AMap entry = withBots(0);
    AddBotByHand(entry, "B1", 1, "Blue");
    AddBotByHand(entry, "B2", 1, "Blue");
    AddBotByHand(entry, "R1", 1, "Red");
    ASSERT_EQ(AddRandomBots(entry, 3, botNames, 2, TeamChoice::Random, random), 3);
    EXPECT_EQ(entry.Bots[3].Team, "Red");
    EXPECT_EQ(entry.Bots[4].Team, "Red");
    EXPECT_EQ(entry.Bots[5].Team, "Blue");
    EXPECT_EQ(entry.Bots[5].Skill, 2);

    AMap noTeams = withBots(0);
    AddRandomBots(noTeams, 2, botNames, 0, TeamChoiceFor(Deathmatch, TeamChoice::Blue), random);
    EXPECT_EQ(noTeams.Bots[0].Team, "None");
    EXPECT_EQ(noTeams.Bots[1].Team, "None");
    AMap fixed = withBots(0);
    AddRandomBots(fixed, 2, botNames, 0, TeamChoiceFor(CaptureTheFlag, TeamChoiceFromItem(1)),
                  random);
    EXPECT_EQ(fixed.Bots[1].Team, "Blue");
}

TEST(RosterOps, RandomNamesAndSkillsComeFromTheirRanges) {
    Random random(42);
    AMap entry = withBots(0);
    const std::vector<std::string> withEmpty = {"", "Anarki", "", "Bones"};
    ASSERT_EQ(AddRandomBots(entry, 15, withEmpty, 0, TeamChoice::Disabled, random), 15);
    bool sawBoth[2] = {false, false};
    for (int i = 0; i < 15; ++i) {
        const bot& b = entry.Bots[static_cast<size_t>(i)];
        EXPECT_TRUE(b.Name == "Anarki" || b.Name == "Bones") << b.Name;
        sawBoth[b.Name == "Bones"] = true;
        EXPECT_GE(b.Skill, 1);
        EXPECT_LE(b.Skill, 5);
    }
    EXPECT_TRUE(sawBoth[0] && sawBoth[1]);
}

TEST(RosterOps, NoUsableNamesAddsNothing) {
    Random random(3);
    AMap entry = withBots(0);
    EXPECT_EQ(AddRandomBots(entry, 4, {}, 0, TeamChoice::Random, random), 0);
    EXPECT_EQ(AddRandomBots(entry, 4, {"", ""}, 0, TeamChoice::Random, random), 0);
    EXPECT_EQ(entry.BotCount, 0);
}
