#pragma once

#include "core/platform/Errors.h"

#include <QRect>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

// The vocabulary shared by the TGA picture, its reader and writer, the colour machinery and the
// display control.
namespace velkarn {

// Kind of image, by the TGA image types 0, 1, 2, 3, 9, 10 and 11.
enum class TTargaType {
    ttNoImageData,
    ttColorMapedImage,
    ttTrueColorImage,
    ttBlackAndWhiteImage,
    ttRLEColorMapedImage,
    ttRLETrueColorImage,
    ttRLEBlackAndWhiteImage
};

// Bits per pixel of the file.
enum class TTargaColorDepthType { cd8bit, cd16bit, cd24bit, cd32bit };

// How colours are reduced when a colour-mapped file is written.
enum class TDitherMode { dmNearest, dmFloydSteinberg };

// One colour map entry. The alpha of a 32-bit map entry is kept but never drawn.
struct TPaletteColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 0;
    friend bool operator==(const TPaletteColor&, const TPaletteColor&) = default;
};

// The colour map of the last colour-mapped file read.
using TTargaPalette = std::array<TPaletteColor, 256>;

// The 18-byte file header; multi-byte fields are little-endian in the file.
struct TTargaHeader {
    std::uint8_t IDLength = 0;
    std::uint8_t ColorMapType = 0;
    std::uint8_t ImageType = 0;
    std::uint16_t ColorMapStart = 0;
    std::uint16_t ColorMapLength = 0;
    std::uint8_t ColorMapEntrySize = 0;
    std::uint16_t XOrigin = 0;
    std::uint16_t YOrigin = 0;
    std::uint16_t Width = 0;
    std::uint16_t Height = 0;
    std::uint8_t PixelDepth = 0;
    std::uint8_t ImageDescriptor = 0;

    static constexpr int Size = 18;
    int alphaBits() const { return ImageDescriptor & 0x0F; }
    bool rightToLeft() const { return (ImageDescriptor & 0x10) != 0; }
    bool topToBottom() const { return (ImageDescriptor & 0x20) != 0; }
};

enum class TProgressStage { psStarting, psRunning, psEnding };

// One progress report of a load or save. The redraw-now flag is set only in the final report.
struct TTargaProgress {
    TProgressStage Stage = TProgressStage::psStarting;
    int PercentDone = 0;
    bool RedrawNow = false;
    QRect Rect;
    std::string Message;
};

using TTargaProgressEvent = std::function<void(const TTargaProgress&)>;
using TNotifyEvent = std::function<void()>;

// A picture that this program refuses to hold or write, e.g. one too large for memory.
class TargaError : public Error {
public:
    using Error::Error;
};

} // namespace velkarn
