#include "core/demos/DemoReader.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace velkarn;

namespace {

std::string fixture(const std::string& name) {
    return std::string(DEMO_FIXTURES) + "/" + name;
}

} // namespace

// Both recorded by OpenArena's client under Xvfb: a free-for-all on oa_dm1 against one bot,
// and a team game on oa_dm2 with the player on blue.
TEST(DemoReader, ReadsRealDemosAsTheirMatchesWere) {
    const DemoRead ffa = readDemoFile(fixture("ffa-oa_dm1.dm_71"));
    ASSERT_EQ(ffa.status, DemoReadStatus::Ok) << ffa.problem;
    EXPECT_EQ(ffa.facts.map, "oa_dm1");
    EXPECT_EQ(ffa.facts.gameType, 0);
    EXPECT_EQ(ffa.facts.protocol, 71);
    EXPECT_EQ(ffa.facts.recorder, "^1Tester");
    EXPECT_EQ(ffa.facts.others, std::vector<std::string>{"Grism"});
    EXPECT_EQ(ffa.facts.mod, "");
    EXPECT_EQ(ffa.facts.lengthMs, 33800);

    const DemoRead team = readDemoFile(fixture("team-oa_dm2.dm_71"));
    ASSERT_EQ(team.status, DemoReadStatus::Ok) << team.problem;
    EXPECT_EQ(team.facts.map, "oa_dm2");
    EXPECT_EQ(team.facts.gameType, 3);
    EXPECT_EQ(team.facts.hostName, "Velkarn test");
    EXPECT_EQ(team.facts.recorder, "Blue^4Rider");
    EXPECT_EQ(team.facts.others, (std::vector<std::string>{"Grism", "Kyonshi"}));
    EXPECT_EQ(team.facts.lengthMs, 8800);
}

// A game that died while recording leaves no end mark and half a block: the facts stand, and
// the length runs to the last whole block.
TEST(DemoReader, KeepsTheFactsOfADemoCutMidway) {
    const DemoRead cut = readDemoFile(fixture("cut-midway.dm_71"));
    ASSERT_EQ(cut.status, DemoReadStatus::Ok) << cut.problem;
    EXPECT_EQ(cut.facts.map, "oa_dm1");
    EXPECT_GT(cut.facts.lengthMs, 0);
    EXPECT_LT(cut.facts.lengthMs, 33800);
}

TEST(DemoReader, SaysWhatIsWrongWithADamagedDemo) {
    struct Case {
        const char* file;
        const char* problem;
    };
    for (const Case& c : {Case{"cut-in-game-state.dm_71", "cut short inside the block at byte 0"},
                          Case{"lying-length.dm_71", "says it holds 99999 bytes"},
                          Case{"wrong-code.dm_71", "game state of the demo cannot be decoded"}}) {
        const DemoRead read = readDemoFile(fixture(c.file));
        EXPECT_EQ(read.status, DemoReadStatus::Damaged) << c.file;
        EXPECT_NE(read.problem.find(fixture(c.file) + ": "), std::string::npos) << read.problem;
        EXPECT_NE(read.problem.find(c.problem), std::string::npos) << read.problem;
        EXPECT_EQ(read.facts.map, "");
    }
    EXPECT_EQ(readDemoBytes("", "empty.dm_71").status, DemoReadStatus::Damaged);
    EXPECT_EQ(readDemoFile(fixture("missing.dm_71")).status, DemoReadStatus::NotFound);
}
