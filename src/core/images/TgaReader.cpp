#include "core/images/TgaReader.h"

#include "core/images/TgaPixelFormats.h"
#include "core/images/TgaReduction.h"
#include "core/images/TgaRowProgress.h"

#include <algorithm>
#include <cstring>

namespace velkarn {

namespace {

using namespace tga;

// A cursor over the input that never hands out bytes beyond its end.
class ByteInput {
public:
    explicit ByteInput(std::string_view bytes)
        : data_(reinterpret_cast<const std::uint8_t*>(bytes.data())), size_(bytes.size()) {}

    std::size_t remaining() const { return size_ - pos_; }
    std::size_t position() const { return pos_; }
    const std::uint8_t* current() const { return data_ + pos_; }
    void skip(std::size_t n) { pos_ += std::min(n, remaining()); }
    std::uint8_t byte() { return data_[pos_++]; } // caller checks remaining() first

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// A header cut short reads as zeros, like an empty picture.
TgaHeader readHeader(ByteInput& in) {
    std::uint8_t raw[TgaHeader::Size] = {};
    const std::size_t n = std::min<std::size_t>(TgaHeader::Size, in.remaining());
    std::memcpy(raw, in.current(), n);
    in.skip(n);
    TgaHeader h;
    h.idLength = raw[0];
    h.colorMapType = raw[1];
    h.imageType = raw[2];
    h.colorMapStart = littleEndian16(raw + 3);
    h.colorMapLength = littleEndian16(raw + 5);
    h.colorMapEntrySize = raw[7];
    h.xOrigin = littleEndian16(raw + 8);
    h.yOrigin = littleEndian16(raw + 10);
    h.width = littleEndian16(raw + 12);
    h.height = littleEndian16(raw + 14);
    h.pixelDepth = raw[16];
    h.imageDescriptor = raw[17];
    return h;
}

// Fills palette entries from 0. Entries past 256 are skipped, so the pixel data that follows is
// still found; so is a map of an entry size that is not understood, which leaves the palette.
void readColorMap(ByteInput& in, const TgaHeader& h, TgaPalette& palette) {
    const int entryBytes = (h.colorMapEntrySize + 7) / 8;
    const bool understood = h.colorMapEntrySize == 15 || h.colorMapEntrySize == 16 ||
                            h.colorMapEntrySize == 24 || h.colorMapEntrySize == 32;
    const std::size_t mapBytes =
        std::size_t{h.colorMapLength} * static_cast<std::size_t>(entryBytes);
    if (!understood) {
        in.skip(mapBytes);
        return;
    }
    const std::size_t available =
        std::min<std::size_t>({std::size_t{h.colorMapLength}, palette.size(),
                               in.remaining() / static_cast<std::size_t>(entryBytes)});
    const std::uint8_t* p = in.current();
    for (std::size_t i = 0; i < available; ++i, p += entryBytes) {
        PaletteColor c;
        if (entryBytes == 2) {
            c = colorFrom555(littleEndian16(p));
        } else {
            c.blue = p[0];
            c.green = p[1];
            c.red = p[2];
            if (entryBytes == 4)
                c.alpha = p[3];
        }
        palette[i] = c;
    }
    in.skip(mapBytes);
}

// Where decoded rows go: file row r is picture line r for top-to-bottom files, otherwise the
// lines are filled from the bottom up.
class RowTarget {
public:
    RowTarget(QImage& image, QImage& alpha, bool topToBottom)
        : image_(image.bits()), alpha_(alpha.bits()), stride_(image.bytesPerLine()),
          height_(image.height()), topToBottom_(topToBottom) {}

    std::uint32_t* imageLine(int row) const { return line(image_, row); }
    std::uint32_t* alphaLine(int row) const { return line(alpha_, row); }
    void rowDone(int) const {}

private:
    std::uint32_t* line(std::uint8_t* bits, int row) const {
        const int y = topToBottom_ ? row : height_ - 1 - row;
        return reinterpret_cast<std::uint32_t*>(bits + static_cast<std::size_t>(y) *
                                                           static_cast<std::size_t>(stride_));
    }
    std::uint8_t* image_;
    std::uint8_t* alpha_;
    qsizetype stride_;
    int height_;
    bool topToBottom_;
};

// How far decoding got: whole rows, then pixels of the row after them.
struct DecodedExtent {
    int rows = 0;
    int pixels = 0;
};

template <typename Format>
void convertPixels(const Format& format, const std::uint8_t* p, int count, std::uint32_t* line,
                   std::uint32_t* alphaLine) {
    for (int x = 0; x < count; ++x, p += Format::Bytes) {
        line[x] = format.color(p);
        if constexpr (Format::HasAlpha)
            alphaLine[x] = format.alpha(p);
    }
}

template <typename Format, typename Target>
DecodedExtent decodeRawRows(const Format& format, ByteInput& in, Target& target, int width,
                            int height, const TgaRowProgress& progress) {
    for (int row = 0; row < height; ++row) {
        const int count = int(
            std::min<std::size_t>(static_cast<std::size_t>(width), in.remaining() / Format::Bytes));
        convertPixels(format, in.current(), count, target.imageLine(row), target.alphaLine(row));
        in.skip(std::size_t(count) * Format::Bytes);
        if (count < width)
            return {row, count}; // the stream ended: the rest stays blank
        target.rowDone(row);
        progress.row(row, height);
    }
    return {height, 0};
}

// Packets are read as one stream of pixels that rows take in turn, so a packet running past the
// end of a row continues on the next one (as older writers produce) and never writes past it.
template <typename Format, typename Target>
DecodedExtent decodeRunLengthRows(const Format& format, ByteInput& in, Target& target, int width,
                                  int height, const TgaRowProgress& progress) {
    int left = 0; // pixels still owed by the current packet
    bool isRun = false;
    std::uint32_t runColor = 0;
    std::uint32_t runAlpha = 0;
    for (int row = 0; row < height; ++row) {
        std::uint32_t* line = target.imageLine(row);
        std::uint32_t* alphaLine = target.alphaLine(row);
        int x = 0;
        while (x < width) {
            if (left == 0) {
                if (in.remaining() == 0)
                    return {row, x};
                const std::uint8_t packet = in.byte();
                left = (packet & 0x7F) + 1;
                isRun = (packet & 0x80) != 0;
                if (isRun) {
                    if (in.remaining() < Format::Bytes)
                        return {row, x};
                    runColor = format.color(in.current());
                    runAlpha = format.alpha(in.current());
                    in.skip(Format::Bytes);
                }
            }
            const int count = std::min(left, width - x);
            if (isRun) {
                std::fill_n(line + x, count, runColor);
                if constexpr (Format::HasAlpha)
                    std::fill_n(alphaLine + x, count, runAlpha);
            } else {
                const int present = int(std::min<std::size_t>(static_cast<std::size_t>(count),
                                                              in.remaining() / Format::Bytes));
                convertPixels(format, in.current(), present, line + x, alphaLine + x);
                in.skip(std::size_t(present) * Format::Bytes);
                if (present < count)
                    return {row, x + present};
            }
            x += count;
            left -= count;
        }
        target.rowDone(row);
        progress.row(row, height);
    }
    if (!isRun) // leave the position after the last packet taken
        in.skip(std::size_t(left) * Format::Bytes);
    return {height, 0};
}

template <typename Format, typename Target>
DecodedExtent decodeRows(const Format& format, bool runLength, ByteInput& in, Target& target,
                         int width, int height, const TgaRowProgress& progress) {
    return runLength ? decodeRunLengthRows(format, in, target, width, height, progress)
                     : decodeRawRows(format, in, target, width, height, progress);
}

// Paints black what decoding did not reach, so pictures need no clearing beforehand.
template <typename LineOf>
void blankAfter(DecodedExtent done, int width, int height, LineOf lineOf) {
    for (int row = done.rows; row < height; ++row) {
        std::uint32_t* line = lineOf(row);
        std::fill(line + (row == done.rows ? done.pixels : 0), line + width, Opaque);
    }
}

// The picture's pixels are left for the decoder and blankAfter() to set.
QImage newPicture(int width, int height) {
    if (width == 0 || height == 0)
        return {};
    QImage picture(width, height, QImage::Format_RGB32);
    if (picture.isNull())
        throw TgaError("Not enough memory for a TGA picture of " + std::to_string(width) + " x " +
                       std::to_string(height) + " pixels");
    return picture;
}

// At best a run-length packet of two bytes (a count and an 8-bit pixel) gives 128 pixels, so a
// stream fills at most 64 pixels a byte. A header asking for far more than its bytes could fill
// even so is damage, and would cost memory and time for a black picture; the slack (a 256 x
// 256 levelshot) keeps bare headers and small files cut short readable.
constexpr std::uint64_t MostPixelsPerByte = 64;
constexpr std::uint64_t PixelsWithoutData = std::uint64_t{256} * 256;

// A picture held whole must fit MaxTgaPictureBytes; one reduced while read costs only its
// smaller size, but no stream may ask for more pixels than it could fill.
void checkPictureSize(const TgaHeader& h, std::size_t streamBytes, bool heldWhole) {
    const std::uint64_t pixels = std::uint64_t{h.width} * h.height;
    const std::string picture =
        "TGA picture of " + std::to_string(h.width) + " x " + std::to_string(h.height) + " pixels";
    if (heldWhole && pixels * 4 * 2 > MaxTgaPictureBytes)
        throw TgaError(picture + " is too large (more than " +
                       std::to_string(MaxTgaPictureBytes / (std::uint64_t{1024} * 1024)) + " MiB)");
    if (pixels > PixelsWithoutData + MostPixelsPerByte * streamBytes)
        throw TgaError(picture + " cannot be filled by its " + std::to_string(streamBytes) +
                       " bytes");
}

// The header, the identification and the color map, which come before the pixels.
void readPreamble(ByteInput& in, std::size_t streamBytes, bool heldWhole, TgaReadResult& result) {
    const TgaHeader h = result.header = readHeader(in);
    checkPictureSize(h, streamBytes, heldWhole);
    const std::size_t idBytes = std::min<std::size_t>(h.idLength, in.remaining());
    result.imageID.assign(reinterpret_cast<const char*>(in.current()), idBytes);
    in.skip(idBytes);
    if (h.colorMapType == 1)
        readColorMap(in, h, result.palette);
}

// Sets the kind of picture the header names and calls `decode(format, runLength, depth)` for a
// pixel format it can read.
template <typename Decode> void decodeByType(TgaReadResult& result, Decode decode) {
    const TgaHeader& h = result.header;
    switch (h.imageType) {
    case 0:
        result.tgaType = TgaType::NoImageData;
        break;
    case 1:
    case 9: {
        const bool runLength = h.imageType == 9;
        result.tgaType = runLength ? TgaType::RunLengthColorMapped : TgaType::ColorMapped;
        if (h.pixelDepth == 8) {
            std::array<std::uint32_t, 256> colors;
            for (std::size_t i = 0; i < colors.size(); ++i)
                colors[i] =
                    rgb(result.palette[i].red, result.palette[i].green, result.palette[i].blue);
            decode(Indexed8{colors.data()}, runLength, ColorDepth::Bits8);
        }
        break;
    }
    case 2:
    case 10: {
        const bool runLength = h.imageType == 10;
        result.tgaType = runLength ? TgaType::RunLengthTrueColor : TgaType::TrueColor;
        if (h.pixelDepth == 16)
            decode(Bgr555{}, runLength, ColorDepth::Bits16);
        else if (h.pixelDepth == 24)
            decode(Bgr24{}, runLength, ColorDepth::Bits24);
        else if (h.pixelDepth == 32)
            decode(Bgra32{}, runLength, ColorDepth::Bits32);
        break;
    }
    case 3:
    case 11: {
        const bool runLength = h.imageType == 11;
        result.tgaType = runLength ? TgaType::RunLengthGrayscale : TgaType::Grayscale;
        // Grey of another depth is treated like an unsupported depth of the other types.
        if (h.pixelDepth == 8)
            decode(Grey8{}, runLength, ColorDepth::Bits8);
        break;
    }
    default:
        break;
    }
}

} // namespace

TgaReadResult readTga(std::string_view bytes, const TgaPalette& palette,
                      const TgaProgressListener& listener) {
    const TgaRowProgress progress(listener, "Targa loading...");
    progress.start();
    ByteInput in(bytes);
    TgaReadResult result;
    result.palette = palette;
    readPreamble(in, bytes.size(), true, result);
    const TgaHeader& h = result.header;

    result.image = newPicture(h.width, h.height);
    result.alpha = newPicture(h.width, h.height);
    const RowTarget target(result.image, result.alpha, h.topToBottom());
    const int width = h.width;
    const int height = h.height;
    DecodedExtent done;
    DecodedExtent alphaDone;
    decodeByType(result, [&](const auto& format, bool runLength, ColorDepth depth) {
        result.colorDepth = depth;
        result.includeAlpha = std::decay_t<decltype(format)>::HasAlpha;
        if (result.image.isNull())
            return; // no width or no height: nothing to decode
        alphaDone = done = decodeRows(format, runLength, in, target, width, height, progress);
        if (!std::decay_t<decltype(format)>::HasAlpha)
            alphaDone = {};
    });

    if (!result.image.isNull()) {
        blankAfter(done, width, height, [&](int row) { return target.imageLine(row); });
        blankAfter(alphaDone, width, height, [&](int row) { return target.alphaLine(row); });
    }
    result.bytesUsed = in.position();
    progress.end();
    return result;
}

QImage readTgaReduced(std::string_view bytes, int largestSide) {
    ByteInput in(bytes);
    TgaReadResult result;
    readPreamble(in, bytes.size(), false, result);
    const TgaHeader& h = result.header;
    if (h.width == 0 || h.height == 0)
        return {};
    const int factor = std::max(1, (std::max(h.width, h.height) + largestSide - 1) / largestSide);
    tga::ReducingRows target(h.width, h.height, h.topToBottom(), factor);
    const TgaProgressListener none;
    const TgaRowProgress progress(none, {});
    DecodedExtent done;
    decodeByType(result, [&](const auto& format, bool runLength, ColorDepth) {
        done = decodeRows(format, runLength, in, target, h.width, h.height, progress);
    });
    if (done.rows < h.height)
        target.blankFrom(done.rows, done.pixels);
    QImage picture = target.take();
    if (picture.isNull())
        throw TgaError("Not enough memory for a TGA picture of " + std::to_string(h.width) + " x " +
                       std::to_string(h.height) + " pixels");
    return picture;
}

} // namespace velkarn
