#include "core/setup/ReadableColor.h"

#include <gtest/gtest.h>

using namespace velkarn;

TEST(ReadableColor, ContrastFollowsTheGuidelinesFormula) {
    EXPECT_NEAR(contrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio({255, 255, 255}, {0, 0, 0}), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio({118, 118, 118}, {255, 255, 255}), 4.54, 0.01);
    EXPECT_DOUBLE_EQ(contrastRatio({10, 20, 30}, {10, 20, 30}), 1.0);
}

TEST(ReadableColor, EveryCodeIsReadableOnLightDarkAndSelectedGrounds) {
    const Rgb grounds[] = {{255, 255, 255}, {48, 48, 48},    {0, 0, 0},
                           {48, 140, 198},  {150, 150, 150}, {128, 128, 128}};
    for (const Rgb& ground : grounds)
        for (const ColorCode& code : colorCodes()) {
            const Rgb shown = readableOn(code.color, ground);
            EXPECT_GE(contrastRatio(shown, ground), ReadableContrast)
                << code.colorName << " on " << ground.r << "," << ground.g << "," << ground.b;
            if (contrastRatio(code.color, ground) >= ReadableContrast) {
                EXPECT_EQ(shown, code.color) << "a readable colour stays the game's own";
            }
        }
    const Rgb blueOnDark = readableOn({0, 0, 254}, {48, 48, 48});
    EXPECT_GT(blueOnDark.b, blueOnDark.r) << "still blue, only lighter";
}

TEST(ReadableColor, NamesSayTheirColorsInWords) {
    EXPECT_EQ(describeColors(previewPlayerName("^1Vel^4kar^7Fan")),
              "Vel in red, kar in blue, Fan in white");
    EXPECT_EQ(describeColors(previewPlayerName("Plain^2")), "Plain in white");
    EXPECT_EQ(describeColors(previewPlayerName("")), "");
}
