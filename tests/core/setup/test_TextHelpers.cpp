#include "core/setup/TextHelpers.h"

#include <gtest/gtest.h>

using namespace velkarn;

TEST(TextHelpers, SpacesAndColumnText) {
    EXPECT_EQ(spaces(3), "   ");
    EXPECT_EQ(spaces(0), "");
    EXPECT_EQ(spaces(-4), "");
    EXPECT_EQ(columnText("  Brute", 3, 7), "Brute");
    EXPECT_EQ(columnText("", 1, 5), "");
    EXPECT_EQ(columnText(" addr ", 2), "addr");
    EXPECT_EQ(columnText("abc", 2, 99), "bc");
    EXPECT_EQ(columnText("abc", 5, 9), "");
    EXPECT_EQ(columnText("a\tb \x01", 1, 5), "a\tb");
}

TEST(TextHelpers, mapBaseName) {
    EXPECT_EQ(mapBaseName("gorge1.bsp"), "gorge1");
    EXPECT_EQ(mapBaseName("gorge1"), "gorge1");
    EXPECT_EQ(mapBaseName("a.b.bsp"), "a.b");
    EXPECT_EQ(mapBaseName("name."), "name."); // the dot is the last character
    EXPECT_EQ(mapBaseName(".bsp"), "");
}

TEST(TextHelpers, MapEntryTextColumns) {
    EXPECT_EQ(rotationEntryText("gorge1", 1, 0, 20), "gorge1" + spaces(10) + "DM   FL=0  TL=20");
    EXPECT_EQ(rotationEntryText("flags1", 4, 8, 15), "flags1" + spaces(10) + "CTF  CL=8  TL=15");
    // Sixteen characters: no filling blanks before the game type.
    EXPECT_EQ(rotationEntryText("abcdefghijklmnop", 2, 5, 5), "abcdefghijklmnopTNY  FL=5  TL=5");
    EXPECT_EQ(rotationEntryText("longer_than_sixteen", 3, 100, 0),
              "longer_than_sixteenTDM  FL=100TL=0");
}

TEST(TextHelpers, rosterEntryText) {
    RosterBot brute{"Brute", 3, "Blue"};
    EXPECT_EQ(rosterEntryText(brute, true), "Brute     Hurt Me Plenty Blue");
    EXPECT_EQ(rosterEntryText(brute, false), "Brute     Hurt Me Plenty");
    RosterBot longName{"Abcdefghijklm", 1, ""};
    EXPECT_EQ(rosterEntryText(longName, false), "AbcdefghijI Can Win");
    RosterBot nightmare{"X", 5, "Red"};
    EXPECT_EQ(rosterEntryText(nightmare, true), "X         Nightmare      Red");
}

TEST(TextHelpers, CaseInsensitiveHelpers) {
    EXPECT_TRUE(equalsNoCase("Brute", "bRUTE"));
    EXPECT_FALSE(equalsNoCase("Brute", "Brutes"));
    EXPECT_TRUE(lessNoCase("alpha", "Beta"));
    EXPECT_FALSE(lessNoCase("Beta", "alpha"));
    EXPECT_EQ(toLower("GORGE1.BSP"), "gorge1.bsp");
}
