#pragma once

#include "core/images/TgaBytes.h"

#include <QImage>
#include <gtest/gtest.h>
#include <string>

// Pictures and comparisons the TGA reading and writing tests share.
namespace velkarn::test {

inline QRgb pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

// A picture whose pixels all differ, so a wrong row or column order shows.
inline QImage distinctPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 40 % 256, y * 40 % 256, (x * 7 + y * 13) % 256));
    return image;
}

inline void expectSamePixels(const QImage& a, const QImage& b) {
    ASSERT_EQ(a.size(), b.size());
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            ASSERT_EQ(pixel(a, x, y), pixel(b, x, y)) << "at " << x << "," << y;
}

} // namespace velkarn::test
