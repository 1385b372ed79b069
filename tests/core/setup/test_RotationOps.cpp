#include "core/platform/Errors.h"
#include "core/setup/RotationOps.h"
#include "core/setup/TextHelpers.h"
#include "support/RotationFixtures.h"

#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

AMapFile arena(const std::string& file, int bots, bool ffa, bool tourney, bool team, bool ctf) {
    AMapFile map;
    map.FileName = file;
    map.ArenaBotCount = bots;
    map.SupportsFFA = ffa;
    map.SupportsTourney = tourney;
    map.SupportsTeam = team;
    map.SupportsCTF = ctf;
    return map;
}

} // namespace

TEST(RotationOps, DefaultGameTypeLastRuleWins) {
    EXPECT_EQ(DefaultGameType(arena("a.bsp", 0, true, false, false, false)), Deathmatch);
    EXPECT_EQ(DefaultGameType(arena("a.bsp", 3, true, false, false, true)), CaptureTheFlag);
    EXPECT_EQ(DefaultGameType(arena("a.bsp", 2, false, true, false, false)), Deathmatch);
    EXPECT_EQ(DefaultGameType(arena("a.bsp", 1, false, true, false, true)), Tournament);
}

TEST(RotationOps, AddedEntriesCarryTheDefaults) {
    MapFileListType catalogue;
    catalogue.push_back(std::make_unique<AMapFile>(arena("gorge1.bsp", 0, true, 0, 0, 0)));
    catalogue.push_back(std::make_unique<AMapFile>(arena("q3ctf1.bsp", 4, 0, 0, 0, true)));
    MapListType rotation;
    const AMap& gorge = AddRotationEntry(rotation, catalogue, 0);
    EXPECT_EQ(MapEntryText(gorge), "gorge1" + Spaces(10) + "DM   FL=0  TL=20");
    EXPECT_EQ(gorge.BotCount, 0);
    EXPECT_EQ(gorge.MapFileIndex, 0);

    ServerMapListType servers;
    const AServerMap& ctf = AddServerEntry(servers, catalogue, 1);
    EXPECT_EQ(MapEntryText(ctf), "q3ctf1" + Spaces(10) + "CTF  CL=0  TL=20");
    EXPECT_EQ(ctf.MapFileIndex, 1);

    // No map chosen (an empty catalogue): the list index error, nothing half added.
    EXPECT_THROW(AddRotationEntry(rotation, catalogue, -1), ListIndexError);
    EXPECT_THROW(AddServerEntry(servers, MapFileListType{}, 0), ListIndexError);
    EXPECT_EQ(rotation.size(), 1u);
    EXPECT_EQ(servers.size(), 1u);
}

TEST(RotationOps, ChoicesForAChosenMap) {
    const auto ctf = ChoicesForMap(arena("a.bsp", 1, 0, true, 0, true));
    EXPECT_EQ(ctf.texts(), std::vector<std::string>{"Capture The Flag"});
    EXPECT_EQ(ctf.selectedGameType(), CaptureTheFlag);
    EXPECT_EQ(ctf.limitCaption(), "Capture Limit");
    EXPECT_TRUE(ctf.teamGame());

    const auto duel = ChoicesForMap(arena("a.bsp", 1, true, true, 0, 0));
    EXPECT_EQ(duel.texts(),
              (std::vector<std::string>{"Deathmatch", "Tournament", "Team Deathmatch"}));
    EXPECT_EQ(duel.selectedGameType(), Tournament);
    EXPECT_EQ(duel.limitCaption(), "Frag Limit");
    EXPECT_EQ(ChoicesForMap(arena("a.bsp", 2, true, true, 0, 0)).selectedGameType(), Deathmatch);
}

// The list shown for an entry follows the entry's game type, so a Tournament entry of an arena
// that also lists ctf shows what the script will write.
TEST(RotationOps, ChoicesForAnEntryFollowItsGameType) {
    const AMapFile both = arena("a.bsp", 1, 0, true, 0, true);
    const auto entryChoices = ChoicesForEntry(NewServerEntry(both, "a", 0).GameType);
    EXPECT_FALSE(entryChoices.captureTheFlagOnly());
    EXPECT_EQ(entryChoices.texts()[static_cast<size_t>(entryChoices.selected)], "Tournament");

    EXPECT_TRUE(ChoicesForEntry(CaptureTheFlag).captureTheFlagOnly());
    const auto team = ChoicesForEntry(TeamDeathmatch);
    EXPECT_EQ(team.selected, 2);
    EXPECT_TRUE(team.teamGame());
    EXPECT_EQ(ChoicesForEntry(0).selectedGameType(), Deathmatch); // damaged game type
    EXPECT_EQ(team.gameTypeAt(1), Tournament);
    EXPECT_EQ(team.gameTypeAt(7), TeamDeathmatch); // outside the list: the selection
    EXPECT_EQ(team.itemOf(CaptureTheFlag), -1);
}

TEST(RotationOps, RandomBotCounts) {
    EXPECT_EQ(RandomBotCountFor(arena("a.bsp", 0, true, 0, 0, 0)), 4);
    EXPECT_EQ(RandomBotCountFor(arena("a.bsp", 1, true, 0, 0, 0)), 1);
    EXPECT_EQ(RandomBotCountFor(arena("a.bsp", 2, 0, 0, 0, true)), 5);
    EXPECT_EQ(RandomBotCountFor(arena("a.bsp", 40, true, 0, 0, 0)), 15);
    EXPECT_EQ(RandomBotCountFor(arena("a.bsp", 2, true, 0, true, 0), TeamDeathmatch), 5);
    EXPECT_EQ(RandomBotCountFor(arena("a.bsp", 2, true, 0, true, 0), Deathmatch), 2);
}

TEST(RotationOps, EditsOfSelectedEntriesReportChangedLines) {
    auto rotation = listOf<AMap>({rotationEntry("a", 1, 0, 20), rotationEntry("b", 1, 5, 20),
                                  rotationEntry("c", 1, 0, 20), rotationEntry("d", 1, 0, 10)});
    EXPECT_EQ(SetFragLimit(rotation, {0, 1, 2}, 5), (std::vector<int>{0, 2}));
    EXPECT_EQ(rotation[1]->FragLimit, 5);
    EXPECT_EQ(rotation[3]->FragLimit, 0); // not selected
    EXPECT_EQ(SetTimeLimit(rotation, {3, 9, -1}, 10), std::vector<int>{});
    EXPECT_EQ(SetGameType(rotation, {1, 3}, CaptureTheFlag), (std::vector<int>{1, 3}));
    EXPECT_EQ(MapEntryText(*rotation[1]), "b" + Spaces(15) + "CTF  CL=5  TL=20");

    auto servers = listOf<AServerMap>({serverEntry("s", 1, 0, 20), serverEntry("t", 2, 0, 20)});
    EXPECT_EQ(SetTimeLimit(servers, {0, 1}, 15), (std::vector<int>{0, 1}));
    EXPECT_EQ(servers[1]->TimeLimit, 15);
}

TEST(RotationOps, RemoveEntriesKeepsTheOthersInOrder) {
    auto rotation = listOf<AMap>({rotationEntry("a", 1, 0, 0), rotationEntry("b", 1, 0, 0),
                                  rotationEntry("c", 1, 0, 0), rotationEntry("d", 1, 0, 0)});
    EXPECT_EQ(RemoveEntries(rotation, {2, 0, 2, 17, -3}), 2);
    ASSERT_EQ(rotation.size(), 2u);
    EXPECT_EQ(rotation[0]->Name, "b");
    EXPECT_EQ(rotation[1]->Name, "d");
    auto servers = listOf<AServerMap>({serverEntry("s", 1, 0, 0)});
    EXPECT_EQ(RemoveEntries(servers, {0}), 1);
    EXPECT_TRUE(servers.empty());
}
