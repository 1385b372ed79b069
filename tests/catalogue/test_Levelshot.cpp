#include "ZipFixtures.h"
#include "catalogue/JpegDecoder.h"
#include "catalogue/Levelshot.h"
#include "support/TempFolder.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <vector>

using namespace velkarn;
using namespace velkarn::test;

namespace {

// A JPEG of the given size: left half red, right half blue (or grey levels).
std::string encodeJpeg(int width, int height, bool grey) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * info.input_components);
    for (int x = 0; x < width; ++x) {
        const bool left = x < width / 2;
        if (grey) {
            row[x] = left ? 40 : 200;
        } else {
            row[x * 3] = left ? 255 : 0;
            row[x * 3 + 1] = 0;
            row[x * 3 + 2] = left ? 0 : 255;
        }
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

bool near(int a, int b) {
    return std::abs(a - b) < 24;
}

} // namespace

TEST(JpegDecoderTest, DecodesColourAndGreyPictures) {
    const QImage colour = DecodeJpeg(encodeJpeg(32, 16, false));
    ASSERT_FALSE(colour.isNull());
    EXPECT_EQ(colour.size(), QSize(32, 16));
    EXPECT_EQ(colour.format(), QImage::Format_RGB32);
    const QRgb left = colour.pixel(2, 8), right = colour.pixel(29, 8);
    EXPECT_TRUE(near(qRed(left), 255) && near(qBlue(left), 0)) << std::hex << left;
    EXPECT_TRUE(near(qRed(right), 0) && near(qBlue(right), 255)) << std::hex << right;

    const QImage grey = DecodeJpeg(encodeJpeg(16, 16, true));
    ASSERT_FALSE(grey.isNull());
    EXPECT_TRUE(near(qGreen(grey.pixel(1, 1)), 40) && near(qGreen(grey.pixel(14, 1)), 200));
}

TEST(JpegDecoderTest, DamagedOrHugePicturesGiveANullImage) {
    const std::string good = encodeJpeg(64, 64, false);
    EXPECT_TRUE(DecodeJpeg("").isNull());
    EXPECT_TRUE(DecodeJpeg("not a jpeg at all").isNull());
    EXPECT_TRUE(DecodeJpeg(good.substr(0, 100)).isNull());

    std::string huge = good;
    const std::size_t frame = huge.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    huge.replace(frame + 5, 4, "\xFF\xFF\xFF\xFF"); // 65535 by 65535
    EXPECT_TRUE(DecodeJpeg(huge).isNull());

    std::string scrambled = good;
    for (std::size_t i = scrambled.size() / 2; i < scrambled.size() - 2; i += 3)
        scrambled[i] = static_cast<char>(i * 31);
    DecodeJpeg(scrambled); // may give a damaged picture or none, but returns
}

TEST(LevelshotTest, FindsJpegBeforeTgaIgnoringCase) {
    TempFolder folder;
    const std::string jpeg = encodeJpeg(8, 8, false);
    writeZip(folder.file("maps.pk3"), {{"levelshots/Gorge1.JPG", jpeg},
                                       {"levelshots/gorge1.tga", "tga"},
                                       {"levelshots/q3dm1.tga", "tga bytes"}});
    MessageLog log;
    const auto gorge = ReadLevelshot(folder.file("maps.pk3"), "gorge1", log.handler());
    ASSERT_TRUE(gorge);
    EXPECT_EQ(gorge->format, Levelshot::Jpeg);
    EXPECT_EQ(gorge->bytes, jpeg);

    const auto dm1 = ReadLevelshot(folder.file("maps.pk3"), "q3dm1", log.handler());
    ASSERT_TRUE(dm1);
    EXPECT_EQ(dm1->format, Levelshot::Tga);
    EXPECT_EQ(dm1->bytes, "tga bytes");

    EXPECT_FALSE(ReadLevelshot(folder.file("maps.pk3"), "none", log.handler()));
    EXPECT_FALSE(ReadLevelshot(folder.file("gone.pk3"), "gorge1", log.handler()));
    EXPECT_TRUE(log.messages.empty());
}
