#include "core/platform/Errors.h"
#include "core/setup/RotationOps.h"
#include "core/setup/TextHelpers.h"
#include "support/RotationFixtures.h"

#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

MapFile arena(const std::string& file, int bots, bool ffa, bool tourney, bool team, bool ctf) {
    MapFile map;
    map.fileName = file;
    map.arenaBotCount = bots;
    map.supportsDeathmatch = ffa;
    map.supportsTournament = tourney;
    map.supportsTeamDeathmatch = team;
    map.supportsCaptureTheFlag = ctf;
    return map;
}

} // namespace

TEST(RotationOps, DefaultGameTypeLastRuleWins) {
    EXPECT_EQ(defaultGameType(arena("a.bsp", 0, true, false, false, false)), Deathmatch);
    EXPECT_EQ(defaultGameType(arena("a.bsp", 3, true, false, false, true)), CaptureTheFlag);
    EXPECT_EQ(defaultGameType(arena("a.bsp", 2, false, true, false, false)), Deathmatch);
    EXPECT_EQ(defaultGameType(arena("a.bsp", 1, false, true, false, true)), Tournament);
}

TEST(RotationOps, AddedEntriesCarryTheDefaults) {
    MapFiles catalogue;
    catalogue.push_back(std::make_unique<MapFile>(arena("gorge1.bsp", 0, true, 0, 0, 0)));
    catalogue.push_back(std::make_unique<MapFile>(arena("q3ctf1.bsp", 4, 0, 0, 0, true)));
    Rotation rotation;
    const RotationEntry& gorge = addRotationEntry(rotation, catalogue, 0);
    EXPECT_EQ(rotationEntryText(gorge), "gorge1" + spaces(10) + "DM   FL=0  TL=20");
    EXPECT_EQ(gorge.botCount, 0);
    EXPECT_EQ(gorge.mapFileIndex, 0);

    ServerRotation servers;
    const ServerRotationEntry& ctf = addServerRotationEntry(servers, catalogue, 1);
    EXPECT_EQ(rotationEntryText(ctf), "q3ctf1" + spaces(10) + "CTF  CL=0  TL=20");
    EXPECT_EQ(ctf.mapFileIndex, 1);

    // No map chosen (an empty catalogue): the list index error, nothing half added.
    EXPECT_THROW(addRotationEntry(rotation, catalogue, -1), ListIndexError);
    EXPECT_THROW(addServerRotationEntry(servers, MapFiles{}, 0), ListIndexError);
    EXPECT_EQ(rotation.size(), 1u);
    EXPECT_EQ(servers.size(), 1u);
}

TEST(RotationOps, ChoicesForAChosenMap) {
    const auto ctf = gameTypeChoicesForMap(arena("a.bsp", 1, 0, true, 0, true));
    EXPECT_EQ(ctf.texts(), std::vector<std::string>{"Capture The Flag"});
    EXPECT_EQ(ctf.selectedGameType(), CaptureTheFlag);
    EXPECT_EQ(ctf.limitCaption(), "Capture Limit");
    EXPECT_TRUE(ctf.teamGame());

    const auto duel = gameTypeChoicesForMap(arena("a.bsp", 1, true, true, 0, 0));
    EXPECT_EQ(duel.texts(),
              (std::vector<std::string>{"Deathmatch", "Tournament", "Team Deathmatch"}));
    EXPECT_EQ(duel.selectedGameType(), Tournament);
    EXPECT_EQ(duel.limitCaption(), "Frag Limit");
    EXPECT_EQ(gameTypeChoicesForMap(arena("a.bsp", 2, true, true, 0, 0)).selectedGameType(),
              Deathmatch);
}

// The list shown for an entry follows the entry's game type, so a Tournament entry of an arena
// that also lists ctf shows what the script will write.
TEST(RotationOps, ChoicesForAnEntryFollowItsGameType) {
    const MapFile both = arena("a.bsp", 1, 0, true, 0, true);
    const auto entryChoices =
        gameTypeChoicesForEntry(newServerRotationEntry(both, "a", 0).gameType);
    EXPECT_FALSE(entryChoices.captureTheFlagOnly());
    EXPECT_EQ(entryChoices.texts()[static_cast<size_t>(entryChoices.selected)], "Tournament");

    EXPECT_TRUE(gameTypeChoicesForEntry(CaptureTheFlag).captureTheFlagOnly());
    const auto team = gameTypeChoicesForEntry(TeamDeathmatch);
    EXPECT_EQ(team.selected, 2);
    EXPECT_TRUE(team.teamGame());
    EXPECT_EQ(gameTypeChoicesForEntry(0).selectedGameType(), Deathmatch); // damaged game type
    EXPECT_EQ(team.gameTypeAt(1), Tournament);
    EXPECT_EQ(team.gameTypeAt(7), TeamDeathmatch); // outside the list: the selection
    EXPECT_EQ(team.itemOf(CaptureTheFlag), -1);
}

TEST(RotationOps, RandomBotCounts) {
    auto forChosenMap = [](const MapFile& map) {
        return randomBotCountFor(map, defaultGameType(map));
    };
    EXPECT_EQ(forChosenMap(arena("a.bsp", 0, true, 0, 0, 0)), 4);
    EXPECT_EQ(forChosenMap(arena("a.bsp", 1, true, 0, 0, 0)), 1);
    EXPECT_EQ(forChosenMap(arena("a.bsp", 2, 0, 0, 0, true)), 5);
    EXPECT_EQ(forChosenMap(arena("a.bsp", 40, true, 0, 0, 0)), 15);
    EXPECT_EQ(randomBotCountFor(arena("a.bsp", 2, true, 0, true, 0), TeamDeathmatch), 5);
    EXPECT_EQ(randomBotCountFor(arena("a.bsp", 2, true, 0, true, 0), Deathmatch), 2);
}

TEST(RotationOps, EditsOfSelectedEntriesReportChangedLines) {
    auto rotation =
        listOf<RotationEntry>({rotationEntry("a", 1, 0, 20), rotationEntry("b", 1, 5, 20),
                               rotationEntry("c", 1, 0, 20), rotationEntry("d", 1, 0, 10)});
    EXPECT_EQ(setFragLimit(rotation, {0, 1, 2}, 5), (std::vector<int>{0, 2}));
    EXPECT_EQ(rotation[1]->fragLimit, 5);
    EXPECT_EQ(rotation[3]->fragLimit, 0); // not selected
    EXPECT_EQ(setTimeLimit(rotation, {3, 9, -1}, 10), std::vector<int>{});
    EXPECT_EQ(setGameType(rotation, {1, 3}, CaptureTheFlag), (std::vector<int>{1, 3}));
    EXPECT_EQ(rotationEntryText(*rotation[1]), "b" + spaces(15) + "CTF  CL=5  TL=20");

    auto servers =
        listOf<ServerRotationEntry>({serverEntry("s", 1, 0, 20), serverEntry("t", 2, 0, 20)});
    EXPECT_EQ(setTimeLimit(servers, {0, 1}, 15), (std::vector<int>{0, 1}));
    EXPECT_EQ(servers[1]->timeLimit, 15);
}

TEST(RotationOps, RemoveEntriesKeepsTheOthersInOrder) {
    auto rotation =
        listOf<RotationEntry>({rotationEntry("a", 1, 0, 0), rotationEntry("b", 1, 0, 0),
                               rotationEntry("c", 1, 0, 0), rotationEntry("d", 1, 0, 0)});
    EXPECT_EQ(removeEntries(rotation, {2, 0, 2, 17, -3}), 2);
    ASSERT_EQ(rotation.size(), 2u);
    EXPECT_EQ(rotation[0]->name, "b");
    EXPECT_EQ(rotation[1]->name, "d");
    auto servers = listOf<ServerRotationEntry>({serverEntry("s", 1, 0, 0)});
    EXPECT_EQ(removeEntries(servers, {0}), 1);
    EXPECT_TRUE(servers.empty());
}
