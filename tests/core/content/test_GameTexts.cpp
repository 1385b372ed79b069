#include "core/content/GameTexts.h"

#include <gtest/gtest.h>

using namespace velkarn;

namespace {

struct GameTextsTest : ::testing::Test {
    Catalogue catalogue;
    CatalogueIndex index{catalogue};

    const AMapFile& map(std::size_t i) const { return *catalogue.MapFileList.at(i); }
};

} // namespace

TEST(KeyWordTest, StartsAtTheFirstLetterOrDigitAndTakesNCharacters) {
    EXPECT_EQ(KeyWord("\t  map \"q3dm1\"", 3), "map");
    EXPECT_EQ(KeyWord("  \"bots", 4), "bots");
    EXPECT_EQ(KeyWord("botsfile", 4), "bots"); // a longer word matches by its start
    EXPECT_EQ(KeyWord("  ty", 4), "ty");
    EXPECT_EQ(KeyWord(" {} ", 3), "");       // "{" and "}" lie above 122
    EXPECT_EQ(KeyWord(" \"[map", 3), "[ma"); // the signs between the letters count
    EXPECT_EQ(KeyWord("   ", 3), "");
}

TEST_F(GameTextsTest, BotNamesKeepOnlyLettersAndAreListedOnce) {
    ParseBotText({"{", "name\tBrute", "NAME \"Mr. Anvil\"", "\tname Skip", "name \"R2D2\"",
                  "Name brute", "nam", "name 123"},
                 index);
    EXPECT_EQ(catalogue.BotNames, (std::vector<std::string>{"Brute", "MrAnvil", "RD"}));
    ParseBotText({"name BRUTE", "name anvil"}, index);
    EXPECT_EQ(catalogue.BotNames, (std::vector<std::string>{"anvil", "Brute", "MrAnvil", "RD"}));
}

TEST_F(GameTextsTest, ArenaBlockFillsTheRecord) {
    ParseArenaText({"{", "map \"gorge1\"", "bots \"brute scout\"", "longname \"Example Arena\"",
                    "type \"ffa tourney\"", "}"},
                   index);
    ASSERT_EQ(catalogue.MapFileList.size(), 1u);
    EXPECT_EQ(map(0).FileName, "gorge1.bsp");
    EXPECT_EQ(map(0).LongName, "Example Arena");
    EXPECT_EQ(map(0).ArenaBotCount, 2);
    EXPECT_EQ(map(0).ArchivePath, "");
    EXPECT_EQ(std::vector<int>({map(0).SupportsFFA, map(0).SupportsTourney, map(0).SupportsTeam,
                                map(0).SupportsCTF}),
              std::vector<int>({1, 1, 0, 0}));
}

TEST_F(GameTextsTest, ArenaValuesUpdateAKnownMapKeyByKey) {
    index.appendMap("gorge1.bsp").LongName = "Old";
    ParseArenaText({"{", "map \"GORGE1\"", "bots \"\"", "type \"duel unknown\"", "}", ""}, index);
    ASSERT_EQ(catalogue.MapFileList.size(), 1u);
    EXPECT_EQ(map(0).LongName, "Old");
    EXPECT_EQ(map(0).ArenaBotCount, 1); // an empty list counts one
    EXPECT_EQ(
        map(0).SupportsFFA + map(0).SupportsTourney + map(0).SupportsTeam + map(0).SupportsCTF, 0);
}

TEST_F(GameTextsTest, ClosingBraceSkipsTheNextLine) {
    ParseArenaText({"{", "map \"a\"", "}", "{", "map \"b\"", "}", "", "{", "map \"c\"", "}", ""},
                   index);
    ASSERT_EQ(catalogue.MapFileList.size(), 2u);
    EXPECT_EQ(map(0).FileName, "a.bsp");
    EXPECT_EQ(map(1).FileName, "c.bsp");
}

TEST_F(GameTextsTest, KeysOutOfOrderOrQuotesNotClosingTheLineAreNotUnderstood) {
    ParseArenaText({"{", "map \"m1\" ", "longname \"Title\"", "bots \"a b c\"", "}", ""}, index);
    ASSERT_EQ(catalogue.MapFileList.size(), 1u);
    EXPECT_EQ(map(0).FileName, "m1\".bsp"); // the blank after the quote is what is cut
    EXPECT_EQ(map(0).LongName, "Title");
    EXPECT_EQ(map(0).ArenaBotCount, 0); // bots after longname is not seen
}

TEST_F(GameTextsTest, ABlockWithoutMapIsAbandonedAndItsLineLookedAtAgain) {
    ParseArenaText(
        {"{", "{", "map \"x\"", "fraglimit \"10\"", "special \"y\"", "}", "", "{", "map", "}", ""},
        index);
    ASSERT_EQ(catalogue.MapFileList.size(), 2u);
    EXPECT_EQ(map(0).FileName, "x.bsp");
    EXPECT_EQ(map(1).FileName, ".bsp"); // a map line without quotes
}
