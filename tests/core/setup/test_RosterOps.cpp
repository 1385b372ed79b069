#include "core/setup/RosterOps.h"
#include "support/RotationFixtures.h"

#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

RotationEntry withBots(int count, const std::string& team = "") {
    RotationEntry entry = rotationEntry("m", TeamDeathmatch, 0, 20);
    for (int i = 0; i < count; ++i)
        addBotByHand(entry, "Bot" + std::to_string(i), 1 + i % 5, team);
    return entry;
}

std::vector<std::string> names(const RotationEntry& entry) {
    std::vector<std::string> result;
    for (int i = 0; i < entry.botCount; ++i)
        result.push_back(entry.bots[static_cast<size_t>(i)].name);
    return result;
}

const std::vector<std::string> botNames = {"Anarki", "Bones", "Crash"};

} // namespace

TEST(RosterOps, HandBuiltRosterStopsAtSeventeen) {
    RotationEntry entry = withBots(16);
    EXPECT_TRUE(addBotByHand(entry, "Sarge", 4, ""));
    EXPECT_EQ(entry.botCount, 17);
    EXPECT_EQ(entry.bots[16].name, "Sarge");
    EXPECT_EQ(entry.bots[16].skill, 4);
    EXPECT_EQ(entry.bots[16].team, "");
    EXPECT_FALSE(addBotByHand(entry, "Extra", 1, ""));
    EXPECT_EQ(entry.botCount, 17);

    RotationEntry damaged = withBots(0);
    damaged.botCount = 250;
    EXPECT_FALSE(addBotByHand(damaged, "Extra", 1, ""));
}

TEST(RosterOps, RemovingMovesLaterBotsUp) {
    RotationEntry entry = withBots(4);
    entry.bots[3].team = "Red";
    EXPECT_EQ(removeBots(entry, {2, 0, 0, 9}), 2);
    EXPECT_EQ(names(entry), (std::vector<std::string>{"Bot1", "Bot3"}));
    EXPECT_EQ(entry.bots[1].skill, 4);
    EXPECT_EQ(entry.bots[1].team, "Red");
    EXPECT_EQ(entry.bots[2].name, ""); // no stale bot behind the roster
}

TEST(RosterOps, RandomBotsFillUpToSixteen) {
    Random random(7);
    RotationEntry fourteen = withBots(14);
    EXPECT_EQ(addRandomBots(fourteen, 4, botNames, 0, TeamChoice::Disabled, random), 2);
    EXPECT_EQ(fourteen.botCount, 16);
    RotationEntry full = withBots(17);
    EXPECT_EQ(addRandomBots(full, 4, botNames, 0, TeamChoice::Disabled, random), 0);
    EXPECT_EQ(full.botCount, 17);
    RotationEntry damaged = withBots(0);
    damaged.botCount = 200;
    EXPECT_EQ(addRandomBots(damaged, 4, botNames, 0, TeamChoice::Disabled, random), 0);
}

TEST(RosterOps, RandomTeamsBalanceWithTiesToRed) {
    Random random(1);
    RotationEntry entry = withBots(0);
    addBotByHand(entry, "B1", 1, "Blue");
    addBotByHand(entry, "B2", 1, "Blue");
    addBotByHand(entry, "R1", 1, "Red");
    ASSERT_EQ(addRandomBots(entry, 3, botNames, 2, TeamChoice::Random, random), 3);
    EXPECT_EQ(entry.bots[3].team, "Red");
    EXPECT_EQ(entry.bots[4].team, "Red");
    EXPECT_EQ(entry.bots[5].team, "Blue");
    EXPECT_EQ(entry.bots[5].skill, 2);

    RotationEntry noTeams = withBots(0);
    addRandomBots(noTeams, 2, botNames, 0, teamChoiceFor(Deathmatch, TeamChoice::Blue), random);
    EXPECT_EQ(noTeams.bots[0].team, "None");
    EXPECT_EQ(noTeams.bots[1].team, "None");
    RotationEntry fixed = withBots(0);
    addRandomBots(fixed, 2, botNames, 0, teamChoiceFor(CaptureTheFlag, teamChoiceFromItem(1)),
                  random);
    EXPECT_EQ(fixed.bots[1].team, "Blue");
}

TEST(RosterOps, RandomNamesAndSkillsComeFromTheirRanges) {
    Random random(42);
    RotationEntry entry = withBots(0);
    const std::vector<std::string> withEmpty = {"", "Anarki", "", "Bones"};
    ASSERT_EQ(addRandomBots(entry, 15, withEmpty, 0, TeamChoice::Disabled, random), 15);
    bool sawBoth[2] = {false, false};
    for (int i = 0; i < 15; ++i) {
        const RosterBot& b = entry.bots[static_cast<size_t>(i)];
        EXPECT_TRUE(b.name == "Anarki" || b.name == "Bones") << b.name;
        sawBoth[b.name == "Bones"] = true;
        EXPECT_GE(b.skill, 1);
        EXPECT_LE(b.skill, 5);
    }
    EXPECT_TRUE(sawBoth[0] && sawBoth[1]);
}

TEST(RosterOps, NoUsableNamesAddsNothing) {
    Random random(3);
    RotationEntry entry = withBots(0);
    EXPECT_EQ(addRandomBots(entry, 4, {}, 0, TeamChoice::Random, random), 0);
    EXPECT_EQ(addRandomBots(entry, 4, {"", ""}, 0, TeamChoice::Random, random), 0);
    EXPECT_EQ(entry.botCount, 0);
}
