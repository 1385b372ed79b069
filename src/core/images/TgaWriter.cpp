#include "core/images/TgaWriter.h"

#include "core/images/ColorLookup.h"
#include "core/images/ColorQuantizer.h"
#include "core/images/DitherEngine.h"
#include "core/images/TgaRowProgress.h"

#include <QPainter>
#include <algorithm>
#include <memory>
#include <vector>

namespace velkarn {

namespace {

struct Layout {
    std::uint8_t imageType;
    std::uint8_t pixelDepth;
};

Layout layoutFor(TgaType type, ColorDepth depth) {
    switch (type) {
    case TgaType::ColorMapped:
        return {1, 8};
    case TgaType::Grayscale:
        return {3, 8};
    case TgaType::RunLengthTrueColor:
        return {10, 24};
    default:
        if (depth == ColorDepth::Bits16)
            return {2, 16};
        if (depth == ColorDepth::Bits32)
            return {2, 32};
        return {2, 24};
    }
}

void put16(std::string& out, std::uint16_t v) {
    out.push_back(char(v & 0xFF));
    out.push_back(char(v >> 8));
}

void putBgr(std::string& out, QRgb pixel) {
    const char bgr[3] = {char(qBlue(pixel)), char(qGreen(pixel)), char(qRed(pixel))};
    out.append(bgr, 3);
}

void writeHeader(std::string& out, const Layout& layout, int idLength, int width, int height) {
    const bool mapped = layout.imageType == 1;
    out.push_back(char(idLength));
    out.push_back(char(mapped ? 1 : 0));
    out.push_back(char(layout.imageType));
    put16(out, 0);                  // colorMapStart
    put16(out, mapped ? 256 : 0);   // colorMapLength
    out.push_back(mapped ? 24 : 0); // colorMapEntrySize
    put16(out, 0);                  // xOrigin
    put16(out, 0);                  // yOrigin
    put16(out, std::uint16_t(width));
    put16(out, std::uint16_t(height));
    out.push_back(char(layout.pixelDepth));
    out.push_back(0); // bottom-up rows, no alpha bits declared
}

const QRgb* line(const QImage& picture, int y) {
    return reinterpret_cast<const QRgb*>(picture.constScanLine(y));
}

bool sameColor(QRgb a, QRgb b) {
    return ((a ^ b) & 0xFFFFFF) == 0;
}

// Packs one row into run-length packets of at most 128 pixels: a run packet for two or more
// equal pixels, raw packets for the stretches between runs.
void packRow(std::string& out, const QRgb* pixels, int width) {
    int x = 0;
    while (x < width) {
        int run = 1;
        while (x + run < width && run < 128 && sameColor(pixels[x + run], pixels[x]))
            ++run;
        if (run >= 2) {
            out.push_back(char(0x80 | (run - 1)));
            putBgr(out, pixels[x]);
            x += run;
            continue;
        }
        int raw = 1;
        while (x + raw < width && raw < 128 &&
               !(x + raw + 1 < width && sameColor(pixels[x + raw], pixels[x + raw + 1])))
            ++raw;
        out.push_back(char(raw - 1));
        for (int i = 0; i < raw; ++i)
            putBgr(out, pixels[x + i]);
        x += raw;
    }
}

QImage alphaOfSize(const QImage& alpha, const QSize& size) {
    if (alpha.size() == size && alpha.format() == QImage::Format_RGB32)
        return alpha;
    QImage fitted(size, QImage::Format_RGB32);
    fitted.fill(Qt::black);
    if (!alpha.isNull()) {
        QPainter painter(&fitted);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, alpha);
    }
    return fitted;
}

// Hands writeRow the picture lines in file order, bottom line first, reporting each row.
template <typename WriteRow>
void forEachRowBottomFirst(int height, const TgaRowProgress& progress, WriteRow writeRow) {
    for (int row = 0; row < height; ++row) {
        writeRow(height - 1 - row);
        progress.row(row, height);
    }
}

void writeColorMapped(std::string& out, const QImage& image, DitherMode mode,
                      const TgaRowProgress& progress) {
    const std::vector<PaletteColor> palette = buildOptimizedPalette(image, 256, 8);
    for (const PaletteColor& c : palette) {
        const char bgr[3] = {char(c.blue), char(c.green), char(c.red)};
        out.append(bgr, 3);
    }
    FastColorLookup lookup(palette);
    const int width = image.width();
    std::unique_ptr<DitherEngine> engine =
        mode == DitherMode::FloydSteinberg ? std::make_unique<FloydSteinbergEngine>(width, lookup)
                                           : std::make_unique<DitherEngine>(width, lookup);
    std::string indices(std::size_t(width), '\0');
    forEachRowBottomFirst(image.height(), progress, [&](int y) {
        const QRgb* pixels = line(image, y);
        for (int i = 0; i < width; ++i) {
            const int x = engine->column();
            const QRgb p = pixels[x];
            indices[std::size_t(x)] = char(
                engine
                    ->dither(std::uint8_t(qRed(p)), std::uint8_t(qGreen(p)), std::uint8_t(qBlue(p)))
                    .index);
        }
        engine->nextLine();
        out += indices;
    });
}

} // namespace

std::string writeTga(const TgaWriteInput& input, const TgaProgressListener& listener) {
    const TgaRowProgress progress(listener, "Targa saving...");
    const QImage image = input.image.format() == QImage::Format_RGB32
                             ? input.image
                             : input.image.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    if (width > 0xFFFF || height > 0xFFFF)
        throw TgaError("A TGA file cannot hold a picture of " + std::to_string(width) + " x " +
                       std::to_string(height) + " pixels (at most 65535 x 65535)");
    progress.start();

    const Layout layout = layoutFor(input.tgaType, input.colorDepth);
    const std::size_t idLength = std::min<std::size_t>(input.imageID.size(), 255);
    std::string out;
    out.reserve(TgaHeader::Size + idLength + 768 +
                static_cast<std::size_t>(width) * static_cast<std::size_t>(height) *
                    static_cast<std::size_t>(layout.pixelDepth / 8));
    writeHeader(out, layout, int(idLength), width, height);
    out.append(input.imageID, 0, idLength);

    switch (layout.imageType) {
    case 1:
        writeColorMapped(out, image, input.ditherMode, progress);
        break;
    case 3:
        forEachRowBottomFirst(height, progress, [&](int y) {
            const QRgb* pixels = line(image, y);
            for (int x = 0; x < width; ++x)
                out.push_back(char(
                    (qBlue(pixels[x]) * 29 + qGreen(pixels[x]) * 150 + qRed(pixels[x]) * 77) >> 8));
        });
        break;
    case 10:
        forEachRowBottomFirst(height, progress,
                              [&](int y) { packRow(out, line(image, y), width); });
        break;
    default:
        if (layout.pixelDepth == 16) {
            forEachRowBottomFirst(height, progress, [&](int y) {
                const QRgb* pixels = line(image, y);
                for (int x = 0; x < width; ++x)
                    put16(out,
                          std::uint16_t((qBlue(pixels[x]) >> 3) | (qGreen(pixels[x]) >> 3) << 5 |
                                        (qRed(pixels[x]) >> 3) << 10));
            });
        } else if (layout.pixelDepth == 32) {
            const QImage alpha = alphaOfSize(input.alpha, image.size());
            forEachRowBottomFirst(height, progress, [&](int y) {
                const QRgb* pixels = line(image, y);
                const QRgb* alphas = line(alpha, y);
                for (int x = 0; x < width; ++x) {
                    putBgr(out, pixels[x]);
                    out.push_back(char(qBlue(alphas[x])));
                }
            });
        } else {
            forEachRowBottomFirst(height, progress, [&](int y) {
                const QRgb* pixels = line(image, y);
                for (int x = 0; x < width; ++x)
                    putBgr(out, pixels[x]);
            });
        }
        break;
    }
    progress.end();
    return out;
}

} // namespace velkarn
