#pragma once

#include "core/images/TargaTypes.h"

#include <QImage>
#include <string>
#include <string_view>

class QIODevice;
class QPainter;

namespace velkarn {

struct TargaReadResult;

// A TGA picture: the colours as a 32-bit picture and the alpha channel as a second, grey 32-bit
// picture of the same size, plus the kind of image last read or to be written.
class TTarga {
public:
    TTarga();
    TTarga(const TTarga&) = delete;
    TTarga& operator=(const TTarga&) = delete;

    // Raised after a complete load, an assignment and Changed().
    TNotifyEvent OnChange;
    // Raised while loading ("Targa loading...") and saving ("Targa saving...").
    TTargaProgressEvent OnProgress;

    // Throws FileOpenError when the file cannot be read; the picture keeps its content then.
    void LoadFromFile(const std::string& fileName);
    // Reads from the device's current position; a seekable device is left just after the data
    // used. Throws TargaError when the device is not readable.
    void LoadFromStream(QIODevice& stream);
    // Reads a whole TGA stream held in memory, e.g. a levelshot taken from an archive.
    void LoadFromBytes(std::string_view bytes);
    // All loads throw TargaError for a picture too large to hold, and then change nothing.

    // A name ending in ".bmp" (any case) gets a Windows bitmap of the colour picture, any other
    // a TGA file. The file is replaced whole; throws FileCreateError, or TargaError when the
    // picture cannot be written at all.
    void SaveToFile(const std::string& fileName) const;
    // Throws TargaError when the device does not take all the bytes.
    void SaveToStream(QIODevice& stream) const;
    std::string SaveToBytes() const;

    // Copies both pictures, TargaType, ColorDepth, the alpha flag and ImageID, then raises
    // OnChange.
    void Assign(const TTarga& source);
    // Stretches the whole colour picture into `rect`.
    void Draw(QPainter& painter, const QRect& rect) const;
    void Changed();

    bool Empty() const { return image_.isNull(); }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }

    const QImage& Image() const { return image_; }
    const QImage& AlphaImage() const { return alpha_; }
    // Both pictures are kept in Format_RGB32; these convert what they are given.
    void SetImage(const QImage& image);
    void SetAlphaImage(const QImage& alpha);

    // Takes a picture from elsewhere (e.g. the clipboard): its colours, and its alpha channel
    // as the alpha picture when it has one. Sets true colour of 32 bits with alpha, or 24
    // bits without, and raises OnChange.
    void LoadFromImage(const QImage& image);
    // The colours with the alpha picture as alpha channel when the alpha flag is set.
    QImage ToImage() const;

    TTargaType TargaType() const { return targaType_; }
    void SetTargaType(TTargaType type) { targaType_ = type; }
    TTargaColorDepthType ColorDepth() const { return colorDepth_; }
    void SetColorDepth(TTargaColorDepthType depth) { colorDepth_ = depth; }
    bool IncludeAlphaChannel() const { return includeAlpha_; }
    void SetIncludeAlphaChannel(bool include) { includeAlpha_ = include; }
    TDitherMode DitherMode() const { return ditherMode_; }
    void SetDitherMode(TDitherMode mode) { ditherMode_ = mode; }
    const std::string& ImageID() const { return imageID_; }
    // Keeps the first 255 bytes, all a TGA header can announce.
    void SetImageID(const std::string& id);

    const TTargaHeader& Header() const { return header_; }
    const TTargaPalette& Palette() const { return palette_; }

private:
    void take(TargaReadResult&& result);

    QImage image_;
    QImage alpha_;
    TTargaType targaType_ = TTargaType::ttColorMapedImage;
    TTargaColorDepthType colorDepth_ = TTargaColorDepthType::cd8bit;
    bool includeAlpha_ = false;
    TDitherMode ditherMode_ = TDitherMode::dmNearest;
    std::string imageID_;
    TTargaHeader header_;
    TTargaPalette palette_{};
};

} // namespace velkarn
