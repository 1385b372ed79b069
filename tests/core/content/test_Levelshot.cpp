#include "core/content/Levelshot.h"
#include "core/images/JpegDecoder.h"
#include "support/JpegFixture.h"
#include "support/TempFolder.h"
#include "support/ZipFixtures.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

bool near(int a, int b) {
    return std::abs(a - b) < 24;
}

} // namespace

TEST(JpegDecoderTest, DecodesColorAndGreyPictures) {
    const QImage color = decodeJpeg(encodeJpeg(32, 16, false));
    ASSERT_FALSE(color.isNull());
    EXPECT_EQ(color.size(), QSize(32, 16));
    EXPECT_EQ(color.format(), QImage::Format_RGB32);
    const QRgb left = color.pixel(2, 8), right = color.pixel(29, 8);
    EXPECT_TRUE(near(qRed(left), 255) && near(qBlue(left), 0)) << std::hex << left;
    EXPECT_TRUE(near(qRed(right), 0) && near(qBlue(right), 255)) << std::hex << right;

    const QImage grey = decodeJpeg(encodeJpeg(16, 16, true));
    ASSERT_FALSE(grey.isNull());
    EXPECT_TRUE(near(qGreen(grey.pixel(1, 1)), 40) && near(qGreen(grey.pixel(14, 1)), 200));
}

// A large picture comes out fit into the size asked for, its proportions and colors kept; a
// small one keeps its own size.
TEST(JpegDecoderTest, DecodesScaledDownToWhatIsShown) {
    const std::string wide = encodeJpeg(1600, 400);
    const QImage shown = decodeJpeg(wide, QSize(300, 300));
    ASSERT_EQ(shown.size(), QSize(300, 75));
    EXPECT_TRUE(near(qRed(shown.pixel(10, 37)), 255) && near(qBlue(shown.pixel(10, 37)), 0));
    EXPECT_TRUE(near(qRed(shown.pixel(290, 37)), 0) && near(qBlue(shown.pixel(290, 37)), 255));
    EXPECT_EQ(decodeJpeg(encodeJpeg(32, 16), QSize(500, 500)).size(), QSize(32, 16));
}

TEST(JpegDecoderTest, DamagedOrHugePicturesGiveANullImage) {
    const std::string good = encodeJpeg(64, 64, false);
    EXPECT_TRUE(decodeJpeg("").isNull());
    EXPECT_TRUE(decodeJpeg("not a jpeg at all").isNull());
    EXPECT_TRUE(decodeJpeg(good.substr(0, 100)).isNull());

    std::string huge = good;
    const std::size_t frame = huge.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    huge.replace(frame + 5, 4, "\xFF\xFF\xFF\xFF"); // 65535 by 65535
    EXPECT_TRUE(decodeJpeg(huge).isNull());
    huge.replace(frame + 5, 4, "\x10\x00\x10\x00"); // 4096 by 4096: 64 MiB, from 1 KB
    EXPECT_TRUE(decodeJpeg(huge).isNull());

    std::string scrambled = good;
    for (std::size_t i = scrambled.size() / 2; i < scrambled.size() - 2; i += 3)
        scrambled[i] = static_cast<char>(i * 31);
    decodeJpeg(scrambled); // may give a damaged picture or none, but returns
}

TEST(LevelshotTest, FindsJpegBeforeTgaIgnoringCase) {
    TempFolder folder;
    const std::string jpeg = encodeJpeg(8, 8, false);
    writeZip(folder.file("maps.pk3"), {{"levelshots/Gorge1.JPG", jpeg},
                                       {"levelshots/gorge1.tga", "tga"},
                                       {"levelshots/q3dm1.tga", "tga bytes"}});
    MessageLog log;
    const auto gorge = readLevelshot(folder.file("maps.pk3"), "gorge1", log.handler());
    ASSERT_TRUE(gorge);
    EXPECT_EQ(gorge->format, Levelshot::Jpeg);
    EXPECT_EQ(gorge->bytes, jpeg);

    const auto dm1 = readLevelshot(folder.file("maps.pk3"), "q3dm1", log.handler());
    ASSERT_TRUE(dm1);
    EXPECT_EQ(dm1->format, Levelshot::Tga);
    EXPECT_EQ(dm1->bytes, "tga bytes");

    EXPECT_FALSE(readLevelshot(folder.file("maps.pk3"), "none", log.handler()));
    EXPECT_FALSE(readLevelshot(folder.file("gone.pk3"), "gorge1", log.handler()));
    EXPECT_TRUE(log.messages.empty());
}
