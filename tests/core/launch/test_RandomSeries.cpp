#include "core/launch/RandomSeries.h"
#include "core/platform/Errors.h"

#include <gtest/gtest.h>
#include <set>

using namespace velkarn;

namespace {

struct Arena {
    std::string file;
    int bots = 0;
    bool ffa = true, tourney = false, team = false, ctf = false;
};

Catalogue catalogueOf(const std::vector<Arena>& arenas) {
    Catalogue catalogue;
    for (const Arena& a : arenas) {
        auto map = std::make_unique<MapFile>();
        map->fileName = a.file;
        map->arenaBotCount = a.bots;
        map->supportsDeathmatch = a.ffa;
        map->supportsTournament = a.tourney;
        map->supportsTeamDeathmatch = a.team;
        map->supportsCaptureTheFlag = a.ctf;
        catalogue.mapFiles.push_back(std::move(map));
    }
    for (const char* name : {"Anarki", "Bones", "Crash", "Doom"})
        catalogue.addBotName(name);
    return catalogue;
}

std::string buildMessage(const Catalogue& catalogue, int gameType) {
    Random random(1);
    try {
        buildRandomSeries(catalogue, RandomSeriesChoices{3, gameType, 30, 10}, 0,
                          TeamChoice::Random, random);
    } catch (const UserMessage& e) {
        return e.what();
    }
    return "built";
}

} // namespace

TEST(RandomSeries, LimitCaption) {
    EXPECT_EQ(randomSeriesLimitCaption(0), "frag/capture limit");
    EXPECT_EQ(randomSeriesLimitCaption(4), "capture limit");
    for (int item : {1, 2, 3})
        EXPECT_EQ(randomSeriesLimitCaption(item), "frag limit");
}

TEST(RandomSeries, ImpossibleDrawsStopWithAMessage) {
    EXPECT_EQ(buildMessage(Catalogue{}, 1),
              "There are no maps to choose from: search the game folder first!");
    EXPECT_EQ(buildMessage(Catalogue{}, 0),
              "There are no maps to choose from: search the game folder first!");
    const Catalogue deathmatchOnly = catalogueOf({{"q3dm1.bsp"}, {"q3dm2.bsp"}});
    EXPECT_EQ(buildMessage(deathmatchOnly, 4), "No catalogued map supports Capture The Flag!");
    EXPECT_EQ(buildMessage(deathmatchOnly, 3), "No catalogued map supports Team Deathmatch!");
    EXPECT_EQ(buildMessage(deathmatchOnly, 1), "built");
}

TEST(RandomSeries, OneDeathmatchEntryTakesTheChosenLimits) {
    Random random(5);
    const Catalogue catalogue = catalogueOf({{"q3dm1.bsp", 2}});
    const auto rotation = buildRandomSeries(catalogue, RandomSeriesChoices{1, 1, 25, 15}, 3,
                                            TeamChoice::Random, random);
    ASSERT_EQ(rotation.size(), 1u);
    const RotationEntry& entry = *rotation[0];
    EXPECT_EQ(entry.name, "q3dm1");
    EXPECT_EQ(entry.gameType, Deathmatch);
    EXPECT_EQ(entry.fragLimit, 25);
    EXPECT_EQ(entry.timeLimit, 15);
    ASSERT_EQ(entry.botCount, 2); // the arena's bots
    EXPECT_EQ(entry.bots[0].skill, 3);
    EXPECT_EQ(entry.bots[0].team, "None");
}

TEST(RandomSeries, DefaultOnCaptureTheFlagArenas) {
    Random random(9);
    const Catalogue catalogue = catalogueOf({{"q3ctf1.bsp", 0, false, false, false, true},
                                             {"q3ctf2.bsp", 2, false, false, true, true}});
    const auto rotation = buildRandomSeries(catalogue, RandomSeriesChoices{4, 0, 30, 10}, 0,
                                            TeamChoice::Random, random);
    ASSERT_EQ(rotation.size(), 4u);
    for (const auto& entry : rotation) {
        EXPECT_EQ(entry->gameType, CaptureTheFlag);
        EXPECT_EQ(entry->fragLimit, 8);
        ASSERT_EQ(entry->botCount, 5);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(entry->bots[static_cast<size_t>(i)].team, i % 2 == 0 ? "Red" : "Blue");
    }
}

TEST(RandomSeries, ChosenGameTypeDrawsOnlySuitableMapsThenRepeats) {
    Random random(11);
    const Catalogue catalogue = catalogueOf({{"dm1.bsp", 3},
                                             {"duel1.bsp", 1, false, true},
                                             {"dm2.bsp"},
                                             {"duel2.bsp", 0, true, true},
                                             {"duel3.bsp", 1, false, true, false, true}});
    const auto rotation = buildRandomSeries(catalogue, RandomSeriesChoices{6, 2, 20, 10}, 0,
                                            TeamChoice::Blue, random);
    ASSERT_EQ(rotation.size(), 6u);
    std::set<std::string> firstThree;
    for (std::size_t i = 0; i < rotation.size(); ++i) {
        const RotationEntry& entry = *rotation[i];
        EXPECT_TRUE(entry.name.starts_with("duel")) << entry.name;
        EXPECT_EQ(entry.gameType, Tournament);
        EXPECT_EQ(entry.fragLimit, 20);
        EXPECT_EQ(entry.botCount, entry.name == "duel2" ? 4 : 1);
        EXPECT_EQ(entry.bots[0].team, "None");
        if (i < 3)
            firstThree.insert(entry.name);
    }
    EXPECT_EQ(firstThree.size(), 3u); // unused maps first, repeats only after
}

TEST(RandomSeries, MapsWhoseNameStartsAnEntryCountAsUsed) {
    const Catalogue catalogue = catalogueOf({{"pit1.bsp"}, {"pit10.bsp"}, {"other.bsp"}});
    Rotation built;
    built.push_back(std::make_unique<RotationEntry>());
    built.back()->name = "pit10";
    Random random(2);
    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(drawRandomSeriesMap(catalogue.mapFiles, built, 0, random), 2);
    built.push_back(std::make_unique<RotationEntry>());
    built.back()->name = "other";
    // Everything used: the 101st candidate is taken all the same.
    const int position = drawRandomSeriesMap(catalogue.mapFiles, built, 0, random);
    EXPECT_TRUE(position >= 0 && position < 3);
}
