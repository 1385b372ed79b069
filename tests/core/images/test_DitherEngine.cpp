#include "core/images/DitherEngine.h"

#include <gtest/gtest.h>
#include <vector>

using namespace velkarn;

namespace {

// Answers one fixed color and records the colors it was asked for, so the diffused values
// can be checked exactly.
class FixedLookup : public ColorLookup {
public:
    explicit FixedLookup(std::uint8_t value) : value_(value) {}
    ColorMatch findEntry(std::uint8_t red, std::uint8_t, std::uint8_t) override {
        asked.push_back(red);
        return {0, value_, value_, value_};
    }
    std::vector<int> asked;

private:
    std::uint8_t value_;
};

std::vector<int> ditherRows(DitherEngine& engine, const std::vector<std::vector<int>>& rows) {
    std::vector<int> columns;
    for (const auto& row : rows) {
        for (int value : row) {
            columns.push_back(engine.column());
            engine.dither(std::uint8_t(value), std::uint8_t(value), std::uint8_t(value));
        }
        engine.nextLine();
    }
    return columns;
}

} // namespace

TEST(DitherEngine, WalksRowsInAlternatingDirections) {
    FixedLookup lookup(0);
    DitherEngine engine(3, lookup);
    EXPECT_EQ(ditherRows(engine, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}),
              (std::vector<int>{0, 1, 2, 2, 1, 0, 0, 1, 2}));
    EXPECT_EQ(lookup.asked, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9})) << "no diffusion";
}

TEST(FloydSteinbergEngine, DiffusesRoundedErrors) {
    // Error 2 gives 14/16 to the next pixel: adding 8 before dividing makes that 1.
    FixedLookup black(0);
    FloydSteinbergEngine rounding(2, black);
    ditherRows(rounding, {{2, 2}});
    EXPECT_EQ(black.asked, (std::vector<int>{2, 3}));

    // Negative errors are divided towards zero: 200 - 23 (not 24) after an error of -55.
    FixedLookup white(255);
    FloydSteinbergEngine truncating(2, white);
    ditherRows(truncating, {{200, 200}});
    EXPECT_EQ(white.asked, (std::vector<int>{200, 177}));

    // Values are clamped to 0..255 before the lookup.
    FixedLookup clamped(0);
    FloydSteinbergEngine clamping(2, clamped);
    ditherRows(clamping, {{250, 250}});
    EXPECT_EQ(clamped.asked, (std::vector<int>{250, 255}));
}

TEST(FloydSteinbergEngine, SpreadsErrorsToTheRowBelowInBothDirections) {
    FixedLookup black(0);
    FloydSteinbergEngine engine(2, black);
    const std::vector<int> columns = ditherRows(engine, {{10, 10}, {10, 10}, {10, 10}});
    EXPECT_EQ(columns, (std::vector<int>{0, 1, 1, 0, 0, 1}));
    // Row 1 leaves errors 10 and 14. Row 2 runs right to left: column 1 gets 1/16 of 10 and
    // 5/16 of 14, (10 + 70 + 8) / 16 = 5; column 0 gets 7/16 of 15, 3/16 of 14 and 5/16 of 10:
    // (105 + 42 + 50 + 8) / 16 = 12. Row 3: column 0 gets 5/16 of 22 and 1/16 of 15 (the
    // pixel behind it on a right-to-left row is column 1): (110 + 15 + 8) / 16 = 8; column 1
    // gets 7/16 of 18, 5/16 of 15 and 3/16 of 22: (126 + 75 + 66 + 8) / 16 = 17.
    EXPECT_EQ(black.asked, (std::vector<int>{10, 14, 15, 22, 18, 27}));
}
