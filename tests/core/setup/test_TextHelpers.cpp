#include "core/setup/TextHelpers.h"

#include <gtest/gtest.h>

using namespace velkarn;

TEST(TextHelpers, SpacesAndColumnText) {
    EXPECT_EQ(Spaces(3), "   ");
    EXPECT_EQ(Spaces(0), "");
    EXPECT_EQ(Spaces(-4), "");
    EXPECT_EQ(ColumnText("  Brute", 3, 7), "Brute");
    EXPECT_EQ(ColumnText("", 1, 5), "");
    EXPECT_EQ(ColumnText(" addr ", 2), "addr");
    EXPECT_EQ(ColumnText("abc", 2, 99), "bc");
    EXPECT_EQ(ColumnText("abc", 5, 9), "");
    EXPECT_EQ(ColumnText("a\tb \x01", 1, 5), "a\tb");
}

TEST(TextHelpers, MapBaseName) {
    EXPECT_EQ(MapBaseName("gorge1.bsp"), "gorge1");
    EXPECT_EQ(MapBaseName("gorge1"), "gorge1");
    EXPECT_EQ(MapBaseName("a.b.bsp"), "a.b");
    EXPECT_EQ(MapBaseName("name."), "name."); // the dot is the last character
    EXPECT_EQ(MapBaseName(".bsp"), "");
}

TEST(TextHelpers, MapEntryTextColumns) {
    EXPECT_EQ(MapEntryText("gorge1", 1, 0, 20), "gorge1" + Spaces(10) + "DM   FL=0  TL=20");
    EXPECT_EQ(MapEntryText("flags1", 4, 8, 15), "flags1" + Spaces(10) + "CTF  CL=8  TL=15");
    // Sixteen characters: no filling blanks before the game type.
    EXPECT_EQ(MapEntryText("abcdefghijklmnop", 2, 5, 5), "abcdefghijklmnopTNY  FL=5  TL=5");
    EXPECT_EQ(MapEntryText("longer_than_sixteen", 3, 100, 0), "longer_than_sixteenTDM  FL=100TL=0");
}

TEST(TextHelpers, BotEntryText) {
    bot brute{"Brute", 3, "Blue"};
    EXPECT_EQ(BotEntryText(brute, true), "Brute     Hurt Me Plenty Blue");
    EXPECT_EQ(BotEntryText(brute, false), "Brute     Hurt Me Plenty");
    bot longName{"Abcdefghijklm", 1, ""};
    EXPECT_EQ(BotEntryText(longName, false), "AbcdefghijI Can Win");
    bot nightmare{"X", 5, "Red"};
    EXPECT_EQ(BotEntryText(nightmare, true), "X         Nightmare      Red");
}

TEST(TextHelpers, CaseInsensitiveHelpers) {
    EXPECT_TRUE(equalsNoCase("Brute", "bRUTE"));
    EXPECT_FALSE(equalsNoCase("Brute", "Brutes"));
    EXPECT_TRUE(lessNoCase("alpha", "Beta"));
    EXPECT_FALSE(lessNoCase("Beta", "alpha"));
    EXPECT_EQ(toLower("GORGE1.BSP"), "gorge1.bsp");
}
