#include "core/images/TgaBytes.h"
#include "core/images/TgaImage.h"
#include "core/platform/Random.h"

#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

QRgb pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

} // namespace

TEST(TgaMalformed, RunPastTheRowContinuesOnTheNextRow) {
    TgaImage tga;
    // A run of 3 in rows of 2, then a raw packet of 3 that runs past the last row.
    tga.loadFromBytes(tgaHeader({.imageType = 10, .width = 2, .height = 3, .descriptor = 0x20}) +
                      bytes({0x82, 0, 0, 255, 0x02, 0, 255, 0, 255, 0, 0, 1, 1, 1}));
    EXPECT_EQ(pixel(tga.image(), 0, 0), 0xFF0000u);
    EXPECT_EQ(pixel(tga.image(), 1, 0), 0xFF0000u);
    EXPECT_EQ(pixel(tga.image(), 0, 1), 0xFF0000u);
    EXPECT_EQ(pixel(tga.image(), 1, 1), 0x00FF00u);
    EXPECT_EQ(pixel(tga.image(), 0, 2), 0x0000FFu);
    EXPECT_EQ(pixel(tga.image(), 1, 2), 0x010101u);

    // A run far longer than the whole picture.
    tga.loadFromBytes(tgaHeader({.imageType = 11, .width = 2, .height = 2, .pixelDepth = 8}) +
                      bytes({0xFF, 9}));
    EXPECT_EQ(pixel(tga.image(), 1, 0), 0x090909u);
}

TEST(TgaMalformed, ColorMapsLongerThanThePalette) {
    // 300 entries: the first 256 fill the palette, the rest are skipped over.
    std::string file = tgaHeader({.colorMapType = 1,
                                  .imageType = 1,
                                  .colorMapLength = 300,
                                  .colorMapEntrySize = 24,
                                  .width = 2,
                                  .pixelDepth = 8});
    for (int i = 0; i < 300; ++i)
        file += bytes({i % 256, 1, 2});
    file += bytes({255, 7});
    TgaImage tga;
    tga.loadFromBytes(file);
    EXPECT_EQ(pixel(tga.image(), 0, 0), qRgb(2, 1, 255) & 0xFFFFFF);
    EXPECT_EQ(pixel(tga.image(), 1, 0), qRgb(2, 1, 7) & 0xFFFFFF);

    // A map of an entry size that is not understood is skipped, not taken for pixels.
    TgaImage odd;
    odd.loadFromBytes(
        tgaHeader(
            {.colorMapType = 1, .imageType = 2, .colorMapLength = 2, .colorMapEntrySize = 8}) +
        bytes({99, 99, 3, 2, 1}));
    EXPECT_EQ(pixel(odd.image(), 0, 0), 0x010203u);
}

TEST(TgaMalformed, StreamsThatEndEarlyKeepWhatWasDecoded) {
    TgaImage tga;
    // Three top-down rows of 2 pixels, data ends in the middle of the second row.
    tga.loadFromBytes(tgaHeader({.width = 2, .height = 3, .descriptor = 0x20}) +
                      bytes({0, 0, 255, 0, 0, 255, 0, 255, 0, 0}));
    EXPECT_EQ(pixel(tga.image(), 1, 0), 0xFF0000u);
    EXPECT_EQ(pixel(tga.image(), 0, 1), 0x00FF00u);
    EXPECT_EQ(pixel(tga.image(), 1, 1), 0u);
    EXPECT_EQ(pixel(tga.image(), 0, 2), 0u);

    // Run-length data cut inside a run's pixel, after a header, inside a raw packet.
    for (const std::string& tail :
         {bytes({0x81, 0, 0}), bytes({0x00, 5, 5, 5, 0x81}), bytes({0x03, 1, 1, 1, 2})}) {
        tga.loadFromBytes(tgaHeader({.imageType = 10, .width = 4, .height = 2}) + tail);
        EXPECT_EQ(tga.width(), 4);
        EXPECT_EQ(pixel(tga.image(), 3, 0), 0u);
    }

    // Header, identification and color map cut short.
    for (const std::string& cut : {std::string(), bytes({0, 0, 2, 0, 0}),
                                   tgaHeader({.idLength = 40, .imageType = 2, .width = 3}) + "abc",
                                   tgaHeader({.colorMapType = 1,
                                   .imageType = 1,
                                   .colorMapLength = 200,
                                   .colorMapEntrySize = 32,
                                   .width = 3,
                                   .pixelDepth = 8}) +
                                       bytes({1, 2, 3, 4, 5, 6})}) {
        TgaImage fresh;
        fresh.loadFromBytes(cut);
        EXPECT_LE(fresh.width(), 3);
    }
}

TEST(TgaMalformed, EmptySizesAndUnsupportedKinds) {
    TgaImage tga;
    for (int width : {0, 5}) {
        const int height = width == 0 ? 5 : 0;
        tga.loadFromBytes(
            tgaHeader(
                {.imageType = 10, .width = std::uint16_t(width), .height = std::uint16_t(height)}) +
            bytes({0xFF, 1, 2, 3}));
        EXPECT_TRUE(tga.isEmpty());
    }

    // Grey of 16 bits is not understood: the type is taken, the picture stays blank.
    tga.setColorDepth(ColorDepth::Bits24);
    tga.loadFromBytes(tgaHeader({.imageType = 3, .width = 2, .pixelDepth = 16}) +
                      bytes({200, 255, 200, 255}));
    EXPECT_EQ(tga.tgaType(), TgaType::Grayscale);
    EXPECT_EQ(tga.colorDepth(), ColorDepth::Bits24);
    EXPECT_EQ(pixel(tga.image(), 0, 0), 0u);

    // A color-mapped type with 16-bit indices, and an unknown image type.
    tga.loadFromBytes(tgaHeader({.imageType = 9, .width = 2, .pixelDepth = 16}) +
                      bytes({0x81, 1, 0}));
    EXPECT_EQ(tga.tgaType(), TgaType::RunLengthColorMapped);
    EXPECT_EQ(pixel(tga.image(), 1, 0), 0u);
    tga.loadFromBytes(tgaHeader({.imageType = 5, .width = 2}) + std::string(6, '\x7f'));
    EXPECT_EQ(tga.tgaType(), TgaType::RunLengthColorMapped);
    EXPECT_EQ(tga.width(), 2);
    EXPECT_EQ(pixel(tga.image(), 0, 0), 0u);

    tga.loadFromBytes(tgaHeader({.imageType = 0, .width = 3, .height = 2}));
    EXPECT_EQ(tga.tgaType(), TgaType::NoImageData);
    EXPECT_EQ(tga.width(), 3);
}

TEST(TgaMalformed, RefusesHeadersAskingForTooMuchMemory) {
    TgaImage tga;
    tga.loadFromBytes(tgaHeader({.width = 4, .height = 4}));
    int changes = 0;
    tga.onChanged = [&] { ++changes; };
    try {
        tga.loadFromBytes(tgaHeader({.width = 65535, .height = 65535}));
        FAIL() << "no error";
    } catch (const TgaError& e) {
        EXPECT_NE(std::string(e.what()).find("65535 x 65535 pixels is too large"),
                  std::string::npos)
            << e.what();
    }
    EXPECT_EQ(tga.width(), 4) << "a refused load keeps the picture";
    EXPECT_EQ(changes, 0);

    // 18 bytes cannot fill 4000 x 4000 pixels, however they were packed.
    EXPECT_THROW(tga.loadFromBytes(tgaHeader({.width = 4000, .height = 4000})), TgaError);
    tga.loadFromBytes(tgaHeader({.width = 256, .height = 256}));
    EXPECT_EQ(tga.width(), 256) << "a bare header of a levelshot's size still reads";
}

TEST(TgaMalformed, RandomDamageNeverCrashes) {
    // Valid files of every kind, damaged at random; sizes stay small so this runs quickly.
    std::vector<std::string> files;
    for (auto [type, depth] : {std::pair{1, 8},
                               {2, 16},
                               {2, 24},
                               {2, 32},
                               {3, 8},
                               {9, 8},
                               {10, 16},
                               {10, 24},
                               {10, 32},
                               {11, 8}}) {
        std::string file = tgaHeader({.idLength = 3,
                                      .colorMapType = std::uint8_t(type % 8 == 1 ? 1 : 0),
                                      .imageType = std::uint8_t(type),
                                      .colorMapLength = std::uint16_t(type % 8 == 1 ? 4 : 0),
                                      .colorMapEntrySize = 24,
                                      .width = 6,
                                      .height = 5,
                                      .pixelDepth = std::uint8_t(depth)}) +
                           "abc";
        if (type % 8 == 1)
            file += std::string(12, '\x40');
        for (int i = 0; i < 6 * 5 * depth / 8; ++i)
            file.push_back(char(i * 37 % 256));
        files.push_back(file);
    }
    Random random(1234);
    for (int round = 0; round < 3000; ++round) {
        std::string file = files[std::size_t(random.below(int(files.size())))];
        const int damage = 1 + random.below(6);
        for (int i = 0; i < damage; ++i)
            file[std::size_t(random.below(int(file.size())))] = char(random.below(256));
        file.resize(std::size_t(random.below(int(file.size()) + 1)));
        if (file.size() > 15) { // width and height stay below 512
            file[13] = char(file[13] & 0x01);
            file[15] = char(file[15] & 0x01);
        }
        TgaImage tga;
        try {
            tga.loadFromBytes(file);
        } catch (const TgaError&) {
            continue; // a refusal is an answer; only a crash is not
        }
        if (!tga.isEmpty()) {
            ASSERT_EQ(tga.image().format(), QImage::Format_RGB32);
        }
    }
}
