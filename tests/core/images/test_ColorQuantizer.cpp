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

TEST(ColorQuantizer, FewColoursKeepOneLeafEachInTreeOrder) {
    // Repeated pixels of three colours: black, white and red.
    const QImage image = pictureOf({qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(255, 0, 0),
                                    qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 0)},
                                   3);
    TColorQuantizer quantizer(256, 8);
    quantizer.ProcessImage(image);
    EXPECT_EQ(quantizer.LeafCount(), 3);
    // Depth first, children 0 to 7: black (child 0), red (child 4), white (child 7).
    const std::vector<TPaletteColor> table = quantizer.GetColorTable();
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0], (TPaletteColor{0, 0, 0}));
    EXPECT_EQ(table[1], (TPaletteColor{255, 0, 0}));
    EXPECT_EQ(table[2], (TPaletteColor{255, 255, 255}));
}

TEST(ColorQuantizer, ReducesAfterEveryPixelAndAveragesMergedLeaves) {
    // Two colours that part only in the second lowest bit merge into their average.
    TColorQuantizer two(1, 8);
    two.ProcessImage(pictureOf({qRgb(0, 0, 0), qRgb(2, 0, 0)}, 2));
    EXPECT_EQ(two.LeafCount(), 1);
    ASSERT_EQ(two.GetColorTable().size(), 1u);
    EXPECT_EQ(two.GetColorTable()[0], (TPaletteColor{1, 0, 0}));

    std::vector<QRgb> many;
    for (int i = 0; i < 600; ++i)
        many.push_back(qRgb(i % 256, i * 7 % 256, i / 3));
    TColorQuantizer limited(16, 8);
    limited.ProcessImage(pictureOf(many, 30));
    EXPECT_LE(limited.LeafCount(), 16);
    EXPECT_EQ(int(limited.GetColorTable().size()), limited.LeafCount());
}

TEST(ColorQuantizer, ColourBitsLimitTheTreeDepth) {
    std::vector<QRgb> many;
    for (int i = 0; i < 256; ++i)
        many.push_back(qRgb(i, 255 - i, i * 3 % 256));
    TColorQuantizer coarse(256, 1);
    coarse.ProcessImage(pictureOf(many, 16));
    EXPECT_LE(coarse.LeafCount(), 8) << "one bit per channel gives at most 8 cubes";

    TColorQuantizer single(256, 0);
    single.ProcessImage(pictureOf(many, 16));
    EXPECT_EQ(single.LeafCount(), 1);

    try {
        TColorQuantizer tooDeep(256, 9);
        FAIL() << "no error";
    } catch (const TargaError& e) {
        EXPECT_STREQ(e.what(), "ColorBits must be 8 or less");
    }
}

TEST(ColorQuantizer, OptimizedPaletteHasTheAskedSize) {
    const std::vector<TPaletteColor> empty = BuildOptimizedPalette(QImage(), 256, 8);
    ASSERT_EQ(empty.size(), 256u);
    EXPECT_EQ(empty[255], TPaletteColor{});

    const std::vector<TPaletteColor> palette =
        BuildOptimizedPalette(pictureOf({qRgb(9, 8, 7), qRgb(1, 2, 3)}, 2), 256, 8);
    ASSERT_EQ(palette.size(), 256u);
    EXPECT_EQ(palette[0], (TPaletteColor{1, 2, 3}));
    EXPECT_EQ(palette[1], (TPaletteColor{9, 8, 7}));
    EXPECT_EQ(palette[2], TPaletteColor{});
}
