#include "cli/DemoCommands.h"
#include "core/platform/TextFile.h"
#include "support/DemoFixture.h"
#include "support/GameFolder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace velkarn;
using namespace velkarn::test;

namespace {

struct DemoCommandsTest : ::testing::Test {
    TempFolder app;
    GameFolder game{true};
    std::ostringstream out, err;

    void SetUp() override { app.write("path.txt", game.path() + "\r\n\r\n"); }
    std::string addDemo(const std::string& where, const std::string& fixture, long long modified) {
        return addDemoFixture(game.dir, where, fixture, modified);
    }
    int demo(const std::string& name, bool printOnly) {
        out.str("");
        err.str("");
        return runDemoCommand(app.path(), name, printOnly, out, err);
    }
};

// Each line without its date, which is local time.
std::vector<std::string> withoutDates(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line.substr(line.find('\t') + 1));
    return lines;
}

} // namespace

TEST_F(DemoCommandsTest, ListsNewestFirstAndSaysWhatADamagedDemoLacks) {
    const std::string team = addDemo("mymod/demos/team.dm_71", "team-oa_dm2.dm_71", 3000);
    const std::string ffa = addDemo("baseq3/demos/ffa.dm_71", "ffa-oa_dm1.dm_71", 2000);
    const std::string cut = addDemo("baseq3/demos/cut.dm_71", "cut-in-game-state.dm_71", 1000);
    ASSERT_EQ(runDemosCommand(app.path(), out, err), 0) << err.str();
    const auto lines = withoutDates(out.str());
    ASSERT_EQ(lines.size(), 3u) << out.str();
    EXPECT_EQ(lines[0].substr(0, lines[0].find("\t0:")),
              "team.dm_71\tmymod\toa_dm2\tTeam Deathmatch");
    EXPECT_NE(lines[0].find("\tBlueRider\tGrism,Kyonshi\t"), std::string::npos) << lines[0];
    EXPECT_TRUE(lines[0].ends_with("\t" + team)) << lines[0];
    EXPECT_TRUE(lines[1].starts_with("ffa.dm_71\t-\toa_dm1\tDeathmatch\t0:3")) << lines[1];
    EXPECT_EQ(lines[2], "cut.dm_71\t-\t-\t-\t-\t-\t-\t" +
                            std::to_string(readFileBytes(cut).size()) + "\t" + cut);
    EXPECT_NE(err.str().find(cut), std::string::npos) << err.str();
    EXPECT_TRUE(fileExists(app.file("demos.cache")));
    const std::string first = out.str();
    out.str("");
    EXPECT_EQ(runDemosCommand(app.path(), out, err), 0);
    EXPECT_EQ(out.str(), first) << "the cache answers as the demos did";
}

TEST_F(DemoCommandsTest, PlaysADemoInItsModByAnyOfItsNames) {
    addDemo("mymod/demos/team.dm_71", "team-oa_dm2.dm_71", 3000);
    ASSERT_EQ(demo("mymod/team", true), 0) << err.str();
    EXPECT_NE(out.str().find("map\toa_dm2\n"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("player\tGrism\nplayer\tKyonshi\n"), std::string::npos);
    EXPECT_TRUE(out.str().ends_with("\n+set fs_game mymod +demo team.dm_71\n")) << out.str();
    EXPECT_FALSE(game.ran());

    ASSERT_EQ(demo("team.dm_71", false), 0) << err.str();
    EXPECT_EQ(game.arguments(), (Lines{"+set", "fs_game", "mymod", "+demo", "team.dm_71"}));

    EXPECT_EQ(demo("nothing", false), 1);
    EXPECT_EQ(err.str(), "There is no demo \"nothing\"; velkarn demos lists them.\n");

    // A file name's "^1" is part of the name, not a colour code: shown and found as it is.
    addDemo("baseq3/demos/a^1b.dm_71", "ffa-oa_dm1.dm_71", 2000);
    ASSERT_EQ(demo("a^1b", true), 0) << err.str();
    EXPECT_TRUE(out.str().starts_with("name\ta^1b.dm_71\n")) << out.str();
}

// Names the engine would split or read as something else never reach it.
TEST_F(DemoCommandsTest, RefusesNamesTheEngineWouldMisread) {
    for (const std::string name :
         {"my game.dm_71", "a;quit.dm_71", "x+set.dm_71", "-x.dm_71", "q\"uote.dm_71"}) {
        addDemo("baseq3/demos/" + name, "ffa-oa_dm1.dm_71", 1000);
        EXPECT_EQ(demo(name, false), 1) << name;
        EXPECT_NE(err.str().find("Rename the file to watch it."), std::string::npos) << err.str();
    }
    EXPECT_FALSE(game.ran());
}
