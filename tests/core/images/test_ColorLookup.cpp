#include "core/images/ColorLookup.h"

#include <gtest/gtest.h>
#include <vector>

using namespace velkarn;

TEST(FastColorLookup, AnswersArePerFiveBitCell) {
    // Black in cell 0 and grey 16 in cell (2,2,2); (12,12,12) and (8,8,8) share cell (1,1,1).
    const std::vector<PaletteColor> palette = {{0, 0, 0}, {16, 16, 16}};
    FastColorLookup lookup(palette);
    EXPECT_EQ(lookup.findEntry(12, 12, 12).index, 1);
    const ColorMatch cached = lookup.findEntry(8, 8, 8);
    EXPECT_EQ(cached.index, 1) << "the cell keeps its first answer";
    EXPECT_EQ(cached.red, 16);

    // Looked up first, (8,8,8) is as near to both entries, and the first one wins.
    FastColorLookup fresh(palette);
    EXPECT_EQ(fresh.findEntry(8, 8, 8).index, 0);
}

TEST(FastColorLookup, PaletteEntriesSeedTheirCells) {
    // Entries 0 and 2 share a cell: the first seeds it, even for the second's exact color.
    const std::vector<PaletteColor> palette = {{100, 0, 0}, {0, 200, 0}, {103, 1, 2}};
    FastColorLookup lookup(palette);
    EXPECT_EQ(lookup.findEntry(103, 1, 2).index, 0);
    EXPECT_EQ(lookup.findEntry(0, 200, 0).index, 1);
    const ColorMatch far = lookup.findEntry(10, 250, 30);
    EXPECT_EQ(far.index, 1);
    EXPECT_EQ(far.green, 200);
}

TEST(FastColorLookup, OddPalettes) {
    FastColorLookup none(std::vector<PaletteColor>{});
    EXPECT_EQ(none.entryCount(), 0);
    const ColorMatch match = none.findEntry(50, 60, 70);
    EXPECT_EQ(match.index, 0);
    EXPECT_EQ(match.red, 0);

    std::vector<PaletteColor> big(300, PaletteColor{255, 255, 255});
    big[280] = {0, 0, 0};
    FastColorLookup capped(big);
    EXPECT_EQ(capped.entryCount(), 256);
    EXPECT_EQ(capped.findEntry(0, 0, 0).index, 0) << "entries past 256 are not used";
}
