#pragma once

#include "core/images/TgaTypes.h"

#include <QImage>
#include <string>
#include <string_view>

class QIODevice;
class QPainter;

namespace velkarn {

struct TgaReadResult;

// A TGA picture: the colors as a 32-bit picture and the alpha channel as a second, grey 32-bit
// picture of the same size, plus the kind of image last read or to be written.
class TgaImage {
public:
    TgaImage();
    TgaImage(const TgaImage&) = delete;
    TgaImage& operator=(const TgaImage&) = delete;

    // Raised after a complete load, an assignment and Changed().
    ChangeListener onChanged;
    // Raised while loading ("Targa loading...") and saving ("Targa saving...").
    TgaProgressListener onProgress;

    // Throws FileOpenError when the file cannot be read; the picture keeps its content then.
    void loadFromFile(const std::string& fileName);
    // Reads from the device's current position; a seekable device is left just after the data
    // used. Throws TgaError when the device is not readable.
    void loadFromStream(QIODevice& stream);
    // Reads a whole TGA stream held in memory, e.g. a levelshot taken from an archive.
    void loadFromBytes(std::string_view bytes);
    // All loads throw TgaError for a picture too large to hold, and then change nothing.

    // A name ending in ".bmp" (any case) gets a Windows bitmap of the color picture, any other
    // a TGA file. The file is replaced whole; throws FileCreateError, or TgaError when the
    // picture cannot be written at all.
    void saveToFile(const std::string& fileName) const;
    // Throws TgaError when the device does not take all the bytes.
    void saveToStream(QIODevice& stream) const;
    std::string saveToBytes() const;

    // Copies both pictures, tgaType, colorDepth, the alpha flag and imageID, then raises
    // onChanged.
    void copyFrom(const TgaImage& source);
    // Stretches the whole color picture into `rect`.
    void draw(QPainter& painter, const QRect& rect) const;
    void notifyChanged();

    bool isEmpty() const { return image_.isNull(); }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    const QImage& image() const { return image_; }
    const QImage& alphaImage() const { return alpha_; }
    // Both pictures are kept in Format_RGB32; these convert what they are given.
    void setImage(const QImage& image);
    void setAlphaImage(const QImage& alpha);

    // Takes a picture from elsewhere (e.g. the clipboard): its colors, and its alpha channel
    // as the alpha picture when it has one. Sets true color of 32 bits with alpha, or 24
    // bits without, and raises onChanged.
    void loadFromImage(const QImage& image);
    // The colors with the alpha picture as alpha channel when the alpha flag is set.
    QImage toImage() const;

    TgaType tgaType() const { return tgaType_; }
    void setTgaType(TgaType type) { tgaType_ = type; }
    ColorDepth colorDepth() const { return colorDepth_; }
    void setColorDepth(ColorDepth depth) { colorDepth_ = depth; }
    bool includeAlphaChannel() const { return includeAlpha_; }
    void setIncludeAlphaChannel(bool include) { includeAlpha_ = include; }
    DitherMode ditherMode() const { return ditherMode_; }
    void setDitherMode(DitherMode mode) { ditherMode_ = mode; }
    const std::string& imageID() const { return imageID_; }
    // Keeps the first 255 bytes, all a TGA header can announce.
    void setImageID(const std::string& id);

    const TgaHeader& header() const { return header_; }
    const TgaPalette& palette() const { return palette_; }

private:
    void take(TgaReadResult&& result);

    QImage image_;
    QImage alpha_;
    TgaType tgaType_ = TgaType::ColorMapped;
    ColorDepth colorDepth_ = ColorDepth::Bits8;
    bool includeAlpha_ = false;
    DitherMode ditherMode_ = DitherMode::Nearest;
    std::string imageID_;
    TgaHeader header_;
    TgaPalette palette_{};
};

} // namespace velkarn
