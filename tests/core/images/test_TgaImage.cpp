#include "core/images/TgaImage.h"
#include "core/images/TgaPictures.h"
#include "core/platform/Errors.h"
#include "support/TempFolder.h"

#include <QBuffer>
#include <QPainter>
#include <gtest/gtest.h>
#include <vector>

using namespace velkarn;
using namespace velkarn::test;

TEST(TgaWriter, ImageIDBytesFollowTheHeader) {
    TgaImage tga;
    tga.setImage(QImage(1, 1, QImage::Format_RGB32));
    tga.setTgaType(TgaType::TrueColor);
    tga.setColorDepth(ColorDepth::Bits24);
    std::string out = tga.saveToBytes();
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out.size(), 18u + 3u);

    tga.setImageID("levelshot!");
    out = tga.saveToBytes();
    EXPECT_EQ(out[0], 10);
    EXPECT_EQ(out.substr(18, 10), "levelshot!");
    EXPECT_EQ(out.size(), 18u + 10u + 3u);

    tga.setImageID(std::string(300, 'x'));
    EXPECT_EQ(tga.imageID().size(), 255u);
    EXPECT_EQ(std::uint8_t(tga.saveToBytes()[0]), 255);
}

TEST(TgaWriter, EveryWrittenTypeReadsBack) {
    struct Case {
        TgaType type;
        ColorDepth depth;
        int imageType;
        int pixelDepth;
    };
    const Case cases[] = {
        {TgaType::ColorMapped, ColorDepth::Bits8, 1, 8},
        {TgaType::TrueColor, ColorDepth::Bits16, 2, 16},
        {TgaType::TrueColor, ColorDepth::Bits24, 2, 24},
        {TgaType::TrueColor, ColorDepth::Bits32, 2, 32},
        {TgaType::NoImageData, ColorDepth::Bits8, 2, 24},
        {TgaType::Grayscale, ColorDepth::Bits8, 3, 8},
        {TgaType::RunLengthTrueColor, ColorDepth::Bits32, 10, 24},
    };
    // Colors that every format holds exactly: multiples of 8, and grey for the grey type.
    QImage colors(7, 3, QImage::Format_RGB32);
    QImage greys(7, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x) {
            colors.setPixel(x, y, qRgb(x * 32, y * 64, (x + y) % 2 * 248));
            greys.setPixel(x, y, qRgb(x * 30, x * 30, x * 30));
        }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.imageType * 100 + c.pixelDepth);
        const QImage& source = c.type == TgaType::Grayscale ? greys : colors;
        TgaImage out;
        out.setImage(source);
        out.setAlphaImage(greys);
        out.setTgaType(c.type);
        out.setColorDepth(c.depth);
        const std::string file = out.saveToBytes();
        EXPECT_EQ(file[2], c.imageType);
        EXPECT_EQ(file[16], c.pixelDepth);
        EXPECT_EQ(file[17], 0) << "bottom-up rows, no alpha bits declared";
        TgaImage in;
        in.loadFromBytes(file);
        expectSamePixels(in.image(), source);
        EXPECT_EQ(in.includeAlphaChannel(), c.pixelDepth == 32);
        if (c.pixelDepth == 32)
            expectSamePixels(in.alphaImage(), greys);
    }
}

TEST(TgaWriter, RunLengthPacketsStayWithinRowsAndLimits) {
    // Long runs, short runs and noise in rows of 300 pixels.
    QImage image(300, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 300; ++x)
            image.setPixel(x, y, x < 200 ? qRgb(y, 0, 0) : qRgb(x * y % 5, x % 3, 9));
    TgaImage tga;
    tga.setImage(image);
    tga.setTgaType(TgaType::RunLengthTrueColor);
    const std::string file = tga.saveToBytes();
    std::size_t pos = 18;
    for (int row = 0; row < 4; ++row) {
        int filled = 0;
        while (filled < 300) {
            ASSERT_LT(pos, file.size());
            const auto header = std::uint8_t(file[pos++]);
            const int count = (header & 0x7F) + 1;
            EXPECT_LE(count, 128);
            filled += count;
            pos += (header & 0x80) ? 3 : 3 * std::size_t(count);
        }
        EXPECT_EQ(filled, 300) << "a packet crossed the end of row " << row;
    }
    EXPECT_EQ(pos, file.size());
    TgaImage in;
    in.loadFromBytes(file);
    expectSamePixels(in.image(), image);
}

// Sum of absolute channel differences between two pictures, averaged over blocks of
// `block` x `block` pixels first: error diffusion keeps the block averages, not the pixels.
double meanError(const QImage& a, const QImage& b, int block) {
    double total = 0;
    int blocks = 0;
    for (int by = 0; by < a.height(); by += block)
        for (int bx = 0; bx < a.width(); bx += block) {
            int sums[3] = {};
            for (int y = by; y < by + block; ++y)
                for (int x = bx; x < bx + block; ++x) {
                    sums[0] += qRed(a.pixel(x, y)) - qRed(b.pixel(x, y));
                    sums[1] += qGreen(a.pixel(x, y)) - qGreen(b.pixel(x, y));
                    sums[2] += qBlue(a.pixel(x, y)) - qBlue(b.pixel(x, y));
                }
            total +=
                double(std::abs(sums[0]) + std::abs(sums[1]) + std::abs(sums[2])) / (block * block);
            ++blocks;
        }
    return total / blocks;
}

TEST(TgaWriter, ColorMappedWritingReducesColors) {
    // A smooth gradient with many more colors than the palette holds.
    QImage gradient(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            gradient.setPixel(x, y, qRgb(x * 4, y * 4, (x + y) * 2));
    QImage written[2];
    for (DitherMode mode : {DitherMode::Nearest, DitherMode::FloydSteinberg}) {
        TgaImage out;
        out.setImage(gradient);
        out.setDitherMode(mode);
        const std::string file = out.saveToBytes();
        ASSERT_EQ(file.size(), 18u + 768u + 64u * 64u);
        TgaImage in;
        in.loadFromBytes(file);
        written[int(mode)] = in.image();
        EXPECT_LT(meanError(gradient, in.image(), 1), 16.0) << "mode " << int(mode);
    }
    EXPECT_LT(meanError(gradient, written[1], 8), meanError(gradient, written[0], 8))
        << "diffusion keeps the average color of an area";
}

TEST(TgaWriter, EmptyPicturesWriteAHeaderOnly) {
    TgaImage empty;
    const std::string mapped = empty.saveToBytes();
    EXPECT_EQ(mapped.size(), 18u + 768u) << "a color-mapped file always has 256 map entries";
    EXPECT_EQ(mapped.find_first_not_of('\0', 18), std::string::npos);
    empty.setTgaType(TgaType::RunLengthTrueColor);
    EXPECT_EQ(empty.saveToBytes().size(), 18u);
    TgaImage back;
    back.loadFromBytes(mapped);
    EXPECT_TRUE(back.isEmpty());
}

TEST(TgaWriter, RefusesPicturesAHeaderCannotDescribe) {
    TgaImage tga;
    tga.setImage(QImage(70000, 1, QImage::Format_RGB32));
    tga.setTgaType(TgaType::TrueColor);
    EXPECT_THROW(tga.saveToBytes(), TgaError);
}

TEST(TgaImageFiles, SaveAndLoadFilesAndBitmaps) {
    TempFolder dir;
    TgaImage saved;
    saved.setImage(distinctPicture(5, 4));
    saved.setTgaType(TgaType::TrueColor);
    saved.saveToFile(dir.file("shot.tga"));
    TgaImage tga;
    tga.loadFromFile(dir.file("shot.tga"));
    expectSamePixels(tga.image(), saved.image());

    saved.saveToFile(dir.file("shot.BMP"));
    EXPECT_EQ(dir.read("shot.BMP").substr(0, 2), "BM");
    expectSamePixels(QImage(QString::fromStdString(dir.file("shot.BMP"))), saved.image());

    try {
        tga.loadFromFile(dir.file("missing.tga"));
        FAIL() << "no error";
    } catch (const FileOpenError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + dir.file("missing.tga"));
    }
    EXPECT_EQ(tga.width(), 5) << "a failed load keeps the picture";
    EXPECT_THROW(saved.saveToFile(dir.file("no/such/folder/x.tga")), FileCreateError);
}

TEST(TgaImage, AssignDrawAndImageExchange) {
    TgaImage source;
    source.loadFromBytes(
        tgaHeader({.imageType = 2, .width = 2, .height = 1, .pixelDepth = 32, .descriptor = 0x20}) +
        bytes({0, 0, 255, 128, 255, 0, 0, 255}));
    source.setImageID("id");
    TgaImage copy;
    int changes = 0;
    copy.onChanged = [&] { ++changes; };
    copy.copyFrom(source);
    EXPECT_EQ(changes, 1);
    expectSamePixels(copy.image(), source.image());
    expectSamePixels(copy.alphaImage(), source.alphaImage());
    EXPECT_EQ(copy.tgaType(), TgaType::TrueColor);
    EXPECT_EQ(copy.colorDepth(), ColorDepth::Bits32);
    EXPECT_TRUE(copy.includeAlphaChannel());
    EXPECT_EQ(copy.imageID(), "id");

    QImage canvas(4, 2, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    copy.draw(painter, canvas.rect());
    painter.end();
    EXPECT_EQ(pixel(canvas, 0, 1), 0xFF0000u);
    EXPECT_EQ(pixel(canvas, 3, 0), 0x0000FFu);

    const QImage combined = copy.toImage();
    EXPECT_EQ(qAlpha(combined.pixel(0, 0)), 128);
    TgaImage back;
    back.loadFromImage(combined);
    expectSamePixels(back.image(), copy.image());
    expectSamePixels(back.alphaImage(), copy.alphaImage());
    EXPECT_EQ(back.colorDepth(), ColorDepth::Bits32);
}
