#include "core/content/GameTexts.h"

#include <gtest/gtest.h>

using namespace velkarn;

namespace {

struct GameTextsTest : ::testing::Test {
    Catalogue catalogue;
    CatalogueIndex index{catalogue};

    const MapFile& map(std::size_t i) const { return *catalogue.mapFiles.at(i); }
};

} // namespace

TEST(KeyWordTest, StartsAtTheFirstLetterOrDigitAndTakesNCharacters) {
    EXPECT_EQ(keyWord("\t  map \"q3dm1\"", 3), "map");
    EXPECT_EQ(keyWord("  \"bots", 4), "bots");
    EXPECT_EQ(keyWord("botsfile", 4), "bots"); // a longer word matches by its start
    EXPECT_EQ(keyWord("  ty", 4), "ty");
    EXPECT_EQ(keyWord(" {} ", 3), "");       // "{" and "}" lie above 122
    EXPECT_EQ(keyWord(" \"[map", 3), "[ma"); // the signs between the letters count
    EXPECT_EQ(keyWord("   ", 3), "");
}

// Bots are offered under the names the game defines; a name the console could not take is left
// out and counted.
TEST_F(GameTextsTest, BotNamesAreTheGamesOwnAndListedOnce) {
    parseBotText({"{", "name\tCyber-Garg", "NAME \"S_Marine\"", "\tname Skip", "name \"R2D2\"",
                  "Name cyber-garg", "nam", "names Bob", "name \"Mr. Anvil\"", "name Ann/*x",
                  "name\tSarge // the leader"},
                 index);
    EXPECT_EQ(catalogue.botNames,
              (std::vector<std::string>{"Cyber-Garg", "R2D2", "S_Marine", "Sarge"}));
    EXPECT_EQ(index.leftOutNames(), 2);
    parseBotText({"name SARGE", "name anvil"}, index);
    EXPECT_EQ(catalogue.botNames,
              (std::vector<std::string>{"anvil", "Cyber-Garg", "R2D2", "S_Marine", "Sarge"}));
}

TEST_F(GameTextsTest, ArenaBlockFillsTheRecord) {
    parseArenaText({"{", "map \"gorge1\"", "bots \"brute scout\"", "longname \"Example Arena\"",
                    "type \"ffa tourney\"", "}"},
                   index);
    ASSERT_EQ(catalogue.mapFiles.size(), 1u);
    EXPECT_EQ(map(0).fileName, "gorge1.bsp");
    EXPECT_EQ(map(0).longName, "Example Arena");
    EXPECT_EQ(map(0).arenaBotCount, 2);
    EXPECT_EQ(map(0).archivePath, "");
    EXPECT_EQ(std::vector<int>({map(0).supportsDeathmatch, map(0).supportsTournament,
                                map(0).supportsTeamDeathmatch, map(0).supportsCaptureTheFlag}),
              std::vector<int>({1, 1, 0, 0}));
}

TEST_F(GameTextsTest, ArenaValuesUpdateAKnownMapKeyByKey) {
    index.appendMap("gorge1.bsp").longName = "Old";
    parseArenaText({"{", "map \"GORGE1\"", "bots \"\"", "type \"duel unknown\"", "}", ""}, index);
    ASSERT_EQ(catalogue.mapFiles.size(), 1u);
    EXPECT_EQ(map(0).longName, "Old");
    EXPECT_EQ(map(0).arenaBotCount, 1); // an empty list counts one
    EXPECT_EQ(map(0).supportsDeathmatch + map(0).supportsTournament +
                  map(0).supportsTeamDeathmatch + map(0).supportsCaptureTheFlag,
              0);
}

TEST_F(GameTextsTest, ClosingBraceSkipsTheNextLine) {
    parseArenaText({"{", "map \"a\"", "}", "{", "map \"b\"", "}", "", "{", "map \"c\"", "}", ""},
                   index);
    ASSERT_EQ(catalogue.mapFiles.size(), 2u);
    EXPECT_EQ(map(0).fileName, "a.bsp");
    EXPECT_EQ(map(1).fileName, "c.bsp");
}

TEST_F(GameTextsTest, KeysOutOfOrderOrQuotesNotClosingTheLineAreNotUnderstood) {
    parseArenaText({"{", "map \"m1\"", "longname \"Title\"", "bots \"a b c\"", "}", ""}, index);
    ASSERT_EQ(catalogue.mapFiles.size(), 1u);
    EXPECT_EQ(map(0).longName, "Title");
    EXPECT_EQ(map(0).arenaBotCount, 0); // bots after longname is not seen
    // Only the blank after the quote is cut, leaving a quote in the name: no map the game loads.
    parseArenaText({"{", "map \"m2\" ", "}", ""}, index);
    EXPECT_EQ(catalogue.mapFiles.size(), 1u);
    EXPECT_EQ(index.leftOutNames(), 1);
}

TEST_F(GameTextsTest, ABlockWithoutMapIsAbandonedAndItsLineLookedAtAgain) {
    parseArenaText(
        {"{", "{", "map \"x\"", "fraglimit \"10\"", "special \"y\"", "}", "", "{", "map", "}", ""},
        index);
    ASSERT_EQ(catalogue.mapFiles.size(), 2u);
    EXPECT_EQ(map(0).fileName, "x.bsp");
    EXPECT_EQ(map(1).fileName, ".bsp"); // a map line without quotes
}
