#include "core/images/ColorQuantizer.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace velkarn;

namespace {

QImage pictureOf(const std::vector<QRgb>& pixels, int width) {
    const int height = int(pixels.size()) / width;
    QImage image(width, height, QImage::Format_RGB32);
    for (int i = 0; i < int(pixels.size()); ++i)
        image.setPixel(i % width, i / width, pixels[std::size_t(i)]);
    return image;
}

} // namespace

TEST(ColorQuantizer, FewColorsKeepOneLeafEachInTreeOrder) {
    // Repeated pixels of three colors: black, white and red.
    const QImage image = pictureOf({qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(255, 0, 0),
                                    qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 0)},
                                   3);
    ColorQuantizer quantizer(256, 8);
    quantizer.addImage(image);
    EXPECT_EQ(quantizer.leafCount(), 3);
    // Depth first, children 0 to 7: black (child 0), red (child 4), white (child 7).
    const std::vector<PaletteColor> table = quantizer.colorTable();
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0], (PaletteColor{0, 0, 0}));
    EXPECT_EQ(table[1], (PaletteColor{255, 0, 0}));
    EXPECT_EQ(table[2], (PaletteColor{255, 255, 255}));
}

TEST(ColorQuantizer, ReducesAfterEveryPixelAndAveragesMergedLeaves) {
    // Two colors that part only in the second lowest bit merge into their average.
    ColorQuantizer two(1, 8);
    two.addImage(pictureOf({qRgb(0, 0, 0), qRgb(2, 0, 0)}, 2));
    EXPECT_EQ(two.leafCount(), 1);
    ASSERT_EQ(two.colorTable().size(), 1u);
    EXPECT_EQ(two.colorTable()[0], (PaletteColor{1, 0, 0}));

    std::vector<QRgb> many;
    for (int i = 0; i < 600; ++i)
        many.push_back(qRgb(i % 256, i * 7 % 256, i / 3));
    ColorQuantizer limited(16, 8);
    limited.addImage(pictureOf(many, 30));
    EXPECT_LE(limited.leafCount(), 16);
    EXPECT_EQ(int(limited.colorTable().size()), limited.leafCount());
}

TEST(ColorQuantizer, ColorBitsLimitTheTreeDepth) {
    std::vector<QRgb> many;
    for (int i = 0; i < 256; ++i)
        many.push_back(qRgb(i, 255 - i, i * 3 % 256));
    ColorQuantizer coarse(256, 1);
    coarse.addImage(pictureOf(many, 16));
    EXPECT_LE(coarse.leafCount(), 8) << "one bit per channel gives at most 8 cubes";

    ColorQuantizer single(256, 0);
    single.addImage(pictureOf(many, 16));
    EXPECT_EQ(single.leafCount(), 1);

    try {
        ColorQuantizer tooDeep(256, 9);
        FAIL() << "no error";
    } catch (const TgaError& e) {
        EXPECT_STREQ(e.what(), "ColorBits must be 8 or less");
    }
}

TEST(ColorQuantizer, OptimizedPaletteHasTheAskedSize) {
    const std::vector<PaletteColor> empty = buildOptimizedPalette(QImage(), 256, 8);
    ASSERT_EQ(empty.size(), 256u);
    EXPECT_EQ(empty[255], PaletteColor{});

    const std::vector<PaletteColor> palette =
        buildOptimizedPalette(pictureOf({qRgb(9, 8, 7), qRgb(1, 2, 3)}, 2), 256, 8);
    ASSERT_EQ(palette.size(), 256u);
    EXPECT_EQ(palette[0], (PaletteColor{1, 2, 3}));
    EXPECT_EQ(palette[1], (PaletteColor{9, 8, 7}));
    EXPECT_EQ(palette[2], PaletteColor{});
}
