#include "core/demos/DemoListing.h"
#include "core/platform/TextFile.h"
#include "support/TempFolder.h"
#include "support/ZipFixtures.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <utime.h>

using namespace velkarn;

namespace {

std::string realDemo(const std::string& name) {
    return readFileBytes(std::string(DEMO_FIXTURES) + "/" + name);
}

void setModified(const std::string& path, long long seconds) {
    const utimbuf times{seconds, seconds};
    ::utime(path.c_str(), &times);
}

} // namespace

// Home and base folders, the base game and a mod, files and an archive's entry; newest first,
// and the same answer again from the cache, which forgets a demo once it is gone.
TEST(DemoListing, FindsEveryDemoAndAnswersAlikeFromTheCache) {
    const test::TempFolder temp;
    Installation game;
    game.kind = Installation::Kind::DebianOpenArena;
    game.homeFolder = temp.makeFolder("home");
    game.baseFolder = temp.makeFolder("base");
    game.dataFolder = "baseoa";
    const std::string ffa = temp.write("home/baseoa/demos/ffa.dm_71", realDemo("ffa-oa_dm1.dm_71"));
    const std::string team =
        temp.write("home/mymod/demos/team.dm_71", realDemo("team-oa_dm2.dm_71"));
    // Not a demo's name: no number, a sign, or more after it.
    for (const char* name : {"notes.txt", "a.dm_", "b.dm_-71", "c.dm_+71", "d.dm_71x"})
        temp.write(std::string("home/baseoa/demos/") + name, "not a demo");
    temp.makeFolder("base/baseoa");
    const std::string pak = test::writeZip(
        temp.file("base/baseoa/zz-demos.pk3"),
        {{"demos/old.dm_71", realDemo("cut-midway.dm_71")}, {"maps/x.bsp", "x"}}, true);
    setModified(ffa, 3000);
    setModified(team, 2000);
    setModified(pak, 1000);

    DemoCache first(temp.file("demos.cache"));
    const auto demos = listDemos(game, first);
    first.save();
    ASSERT_EQ(demos.size(), 3u);
    EXPECT_EQ(demos[0].name, "ffa.dm_71");
    EXPECT_EQ(demos[0].mod, "");
    EXPECT_EQ(demos[1].mod, "mymod");
    EXPECT_EQ(demos[1].read.facts.others, (std::vector<std::string>{"Grism", "Kyonshi"}));
    EXPECT_EQ(demos[2].entry, "demos/old.dm_71");
    EXPECT_EQ(demos[2].read.facts.map, "oa_dm1");

    DemoCache again(temp.file("demos.cache"));
    const auto cached = listDemos(game, again);
    ASSERT_EQ(cached.size(), demos.size());
    for (std::size_t i = 0; i < demos.size(); ++i) {
        EXPECT_EQ(cached[i].where(), demos[i].where());
        EXPECT_EQ(cached[i].read.facts.recorder, demos[i].read.facts.recorder);
        EXPECT_EQ(cached[i].read.facts.lengthMs, demos[i].read.facts.lengthMs);
    }

    // The same path, now another demo: read again, never answered from the cache.
    temp.write("home/baseoa/demos/ffa.dm_71", realDemo("wrong-code.dm_71"));
    setModified(ffa, 3001);
    const auto changed = listDemos(game, again);
    EXPECT_EQ(changed[0].read.status, DemoReadStatus::Damaged);
    // Rewritten in place within the same second: only its size tells.
    again.save();
    DemoCache third(temp.file("demos.cache"));
    std::ofstream(ffa, std::ios::binary | std::ios::trunc) << realDemo("team-oa_dm2.dm_71");
    setModified(ffa, 3001);
    EXPECT_EQ(listDemos(game, third)[0].read.facts.map, "oa_dm2");
    // Replaced by another file of the same size and time: only the file tells.
    third.save();
    DemoCache fourth(temp.file("demos.cache"));
    std::string garbled = realDemo("team-oa_dm2.dm_71");
    std::fill(garbled.begin() + 8, garbled.begin() + 200, '\x55');
    const std::string other = temp.write("other.dm_71", garbled);
    setModified(other, 3001);
    std::filesystem::rename(other, ffa);
    EXPECT_NE(listDemos(game, fourth)[0].read.facts.map, "oa_dm2");
}
