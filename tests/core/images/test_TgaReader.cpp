#include "core/images/TgaImage.h"
#include "core/images/TgaPictures.h"
#include "core/images/TgaReader.h"
#include "core/platform/Errors.h"
#include "support/TempFolder.h"

#include <QBuffer>
#include <QPainter>
#include <gtest/gtest.h>
#include <vector>

using namespace velkarn;
using namespace velkarn::test;

namespace {

std::string twoRowFile(std::uint8_t descriptor) {
    // File row 0 is red, file row 1 is blue.
    return tgaHeader({.width = 1, .height = 2, .pixelDepth = 24, .descriptor = descriptor}) +
           bytes({0, 0, 255, 255, 0, 0});
}

} // namespace

TEST(TgaReader, RowOrderFollowsTheTopToBottomBitOnly) {
    TgaImage tga;
    tga.loadFromBytes(twoRowFile(0));
    EXPECT_EQ(pixel(tga.image(), 0, 1), 0xFF0000u) << "first file row is the bottom line";
    EXPECT_EQ(pixel(tga.image(), 0, 0), 0x0000FFu);

    tga.loadFromBytes(twoRowFile(0x20));
    EXPECT_EQ(pixel(tga.image(), 0, 0), 0xFF0000u);
    EXPECT_EQ(pixel(tga.image(), 0, 1), 0x0000FFu);

    tga.loadFromBytes(twoRowFile(0x10));
    EXPECT_EQ(pixel(tga.image(), 0, 1), 0xFF0000u) << "right-to-left bit changes nothing";
    EXPECT_EQ(tga.header().imageDescriptor, 0x10);
}

TEST(TgaReader, FiveBitChannelsScaleByEight) {
    TgaImage tga;
    // Pixels 0x7C00 (red 31), 0x03E0 (green 31), 0x801F (blue 31 with the top bit set).
    tga.loadFromBytes(tgaHeader({.width = 3, .height = 1, .pixelDepth = 16}) +
                      bytes({0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x80}));
    EXPECT_EQ(pixel(tga.image(), 0, 0), 0xF80000u);
    EXPECT_EQ(pixel(tga.image(), 1, 0), 0x00F800u);
    EXPECT_EQ(pixel(tga.image(), 2, 0), 0x0000F8u);
    EXPECT_EQ(tga.tgaType(), TgaType::TrueColor);
    EXPECT_EQ(tga.colorDepth(), ColorDepth::Bits16);

    // The same for 15- and 16-bit color map entries.
    for (int entrySize : {15, 16}) {
        tga.loadFromBytes(tgaHeader({.colorMapType = 1,
                                     .imageType = 1,
                                     .colorMapLength = 1,
                                     .colorMapEntrySize = std::uint8_t(entrySize),
                                     .pixelDepth = 8}) +
                          bytes({0xFF, 0xFF, 0}));
        EXPECT_EQ(pixel(tga.image(), 0, 0), 0xF8F8F8u);
    }
}

TEST(TgaReader, RunAndRawPacketLimits) {
    TgaImage tga;
    // Header 255: one pixel repeated 128 times; header 0: one raw pixel.
    tga.loadFromBytes(tgaHeader({.imageType = 10, .width = 129, .height = 1}) +
                      bytes({255, 0, 0, 255, 0, 255, 0, 0}));
    for (int x = 0; x < 128; ++x)
        ASSERT_EQ(pixel(tga.image(), x, 0), 0xFF0000u) << x;
    EXPECT_EQ(pixel(tga.image(), 128, 0), 0x0000FFu);
    EXPECT_EQ(tga.tgaType(), TgaType::RunLengthTrueColor);
    EXPECT_EQ(tga.colorDepth(), ColorDepth::Bits24);
}

TEST(TgaReader, ColorMappedAndGreyImages) {
    // Two map entries of 24 bits, but indices 0, 1 and 5: entry 5 is black in a fresh object.
    const std::string mapped = tgaHeader({.colorMapType = 1,
                                          .imageType = 1,
                                          .colorMapLength = 2,
                                          .colorMapEntrySize = 24,
                                          .width = 3,
                                          .pixelDepth = 8}) +
                               bytes({10, 20, 30, 40, 50, 60, 0, 1, 5});
    TgaImage fresh;
    fresh.loadFromBytes(mapped);
    EXPECT_EQ(pixel(fresh.image(), 0, 0), qRgb(30, 20, 10) & 0xFFFFFF);
    EXPECT_EQ(pixel(fresh.image(), 1, 0), qRgb(60, 50, 40) & 0xFFFFFF);
    EXPECT_EQ(pixel(fresh.image(), 2, 0), 0u);
    EXPECT_EQ(fresh.tgaType(), TgaType::ColorMapped);

    // A later file that supplies entry 5 leaves it behind for the short map.
    TgaImage reused;
    std::string sixEntries = tgaHeader({.colorMapType = 1,
                                        .imageType = 1,
                                        .colorMapLength = 6,
                                        .colorMapEntrySize = 32,
                                        .pixelDepth = 8});
    for (int i = 0; i < 6; ++i)
        sixEntries += bytes({i, i, 200, 77});
    reused.loadFromBytes(sixEntries + bytes({0}));
    EXPECT_EQ(reused.palette()[5], (PaletteColor{200, 5, 5, 77}));
    reused.loadFromBytes(mapped);
    EXPECT_EQ(pixel(reused.image(), 2, 0), qRgb(200, 5, 5) & 0xFFFFFF);

    // Run-length grey: a run of 3 and a raw pixel.
    TgaImage grey;
    grey.loadFromBytes(tgaHeader({.imageType = 11, .width = 4, .pixelDepth = 8}) +
                       bytes({0x82, 100, 0, 7}));
    EXPECT_EQ(pixel(grey.image(), 2, 0), 0x646464u);
    EXPECT_EQ(pixel(grey.image(), 3, 0), 0x070707u);
    EXPECT_EQ(grey.tgaType(), TgaType::RunLengthGrayscale);
    EXPECT_EQ(grey.colorDepth(), ColorDepth::Bits8);
    EXPECT_FALSE(grey.includeAlphaChannel());
}

TEST(TgaReader, ThirtyTwoBitsFillTheAlphaPicture) {
    TgaImage tga;
    tga.loadFromBytes(tgaHeader({.imageType = 10, .width = 3, .pixelDepth = 32}) +
                      bytes({0x81, 1, 2, 3, 40, 0, 5, 6, 7, 250}));
    EXPECT_EQ(pixel(tga.image(), 1, 0), 0x030201u);
    EXPECT_EQ(pixel(tga.alphaImage(), 1, 0), 0x282828u);
    EXPECT_EQ(pixel(tga.alphaImage(), 2, 0), 0xFAFAFAu);
    EXPECT_TRUE(tga.includeAlphaChannel());
    EXPECT_EQ(tga.colorDepth(), ColorDepth::Bits32);
    EXPECT_EQ(tga.image().format(), QImage::Format_RGB32);
    EXPECT_EQ(tga.alphaImage().format(), QImage::Format_RGB32);
}

TEST(TgaReader, ReportsProgressAndChangeOnce) {
    TgaImage tga;
    std::vector<TgaProgress> reports;
    int changes = 0;
    tga.onProgress = [&](const TgaProgress& p) { reports.push_back(p); };
    tga.onChanged = [&] { ++changes; };
    tga.loadFromBytes(tgaHeader({.width = 1, .height = 3}) + std::string(9, '\0'));
    ASSERT_EQ(reports.size(), 5u);
    EXPECT_EQ(reports.front().stage, ProgressStage::Starting);
    EXPECT_EQ(reports.front().message, "Targa loading...");
    EXPECT_EQ(reports[1].percentDone, 0);
    EXPECT_EQ(reports[2].percentDone, 50);
    EXPECT_EQ(reports[3].percentDone, 100);
    EXPECT_EQ(reports.back().stage, ProgressStage::Ending);
    for (std::size_t i = 0; i + 1 < reports.size(); ++i)
        EXPECT_FALSE(reports[i].redrawNow);
    EXPECT_TRUE(reports.back().redrawNow);
    EXPECT_EQ(changes, 1);

    reports.clear();
    tga.setImage(QImage(2, 1, QImage::Format_RGB32));
    tga.saveToBytes();
    ASSERT_EQ(reports.size(), 3u) << "one row reports 100 percent";
    EXPECT_EQ(reports[1].percentDone, 100);
    EXPECT_EQ(reports[1].message, "Targa saving...");
}

TEST(TgaReader, StreamIsLeftAfterTheDataUsed) {
    const std::string first = tgaHeader({.imageType = 10, .width = 4}) + bytes({0x83, 1, 2, 3});
    const std::string second = twoRowFile(0);
    QByteArray both = QByteArray::fromStdString(first + second);
    QBuffer buffer(&both);
    buffer.open(QIODevice::ReadOnly);
    TgaImage tga;
    tga.loadFromStream(buffer);
    EXPECT_EQ(buffer.pos(), qint64(first.size()));
    tga.loadFromStream(buffer);
    EXPECT_EQ(tga.height(), 2);
    EXPECT_EQ(pixel(tga.image(), 0, 1), 0xFF0000u);
}

// A levelshot far larger than shown is reduced as it is read: each 3 x 3 block its mean, the
// right way up, the lines the stream lost black; a small one is read as it stands.
TEST(TgaReader, ReducedWhileReadToTheMeanOfEachBlock) {
    QImage picture(3000, 1500, QImage::Format_RGB32);
    picture.fill(qRgb(200, 0, 0));
    QPainter(&picture).fillRect(0, 750, 3000, 750, qRgb(0, 0, 90));
    QPainter(&picture).fillRect(0, 0, 3, 1, Qt::white); // one row of a 3 x 3 block
    for (const TgaType type : {TgaType::TrueColor, TgaType::RunLengthTrueColor}) {
        TgaImage tga;
        tga.setImage(picture);
        tga.setTgaType(type);
        tga.setColorDepth(ColorDepth::Bits24);
        const std::string file = tga.saveToBytes();
        const QImage reduced = readTgaReduced(file, 1024);
        ASSERT_EQ(reduced.size(), QSize(1000, 500));
        EXPECT_EQ(pixel(reduced, 0, 0), 0xDA5555u) << "(3 x 255 + 6 x 200) / 9, 3 x 255 / 9";
        EXPECT_EQ(pixel(reduced, 999, 249), 0xC80000u);
        EXPECT_EQ(pixel(reduced, 500, 250), 0x00005Au);
        // Rows are stored from the bottom up, so a stream cut in half lost the top.
        const QImage cut = readTgaReduced(file.substr(0, file.size() / 2), 1024);
        EXPECT_EQ(pixel(cut, 10, 10), 0u);
        EXPECT_EQ(pixel(cut, 10, 490), 0x00005Au);
    }
    TgaImage small;
    small.setImage(picture.copy(0, 0, 120, 40));
    small.setColorDepth(ColorDepth::Bits24);
    const std::string file = small.saveToBytes();
    EXPECT_EQ(readTgaReduced(file, 1024), readTga(file, {}, {}).image);
    EXPECT_TRUE(readTgaReduced(tgaHeader({.width = 0}), 1024).isNull());
}
