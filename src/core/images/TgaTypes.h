#pragma once

#include "core/platform/Errors.h"

#include <QRect>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

// The vocabulary shared by the TGA picture, its reader and writer, the color machinery and the
// display control.
namespace velkarn {

// Kind of image, by the TGA image types 0, 1, 2, 3, 9, 10 and 11.
enum class TgaType {
    NoImageData,
    ColorMapped,
    TrueColor,
    Grayscale,
    RunLengthColorMapped,
    RunLengthTrueColor,
    RunLengthGrayscale
};

// Bits per pixel of the file.
enum class ColorDepth { Bits8, Bits16, Bits24, Bits32 };

// How colors are reduced when a color-mapped file is written.
enum class DitherMode { Nearest, FloydSteinberg };

// One color map entry. The alpha of a 32-bit map entry is kept but never drawn.
struct PaletteColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 0;
    friend bool operator==(const PaletteColor&, const PaletteColor&) = default;
};

// The color map of the last color-mapped file read.
using TgaPalette = std::array<PaletteColor, 256>;

// The 18-byte file header; multi-byte fields are little-endian in the file.
struct TgaHeader {
    std::uint8_t idLength = 0;
    std::uint8_t colorMapType = 0;
    std::uint8_t imageType = 0;
    std::uint16_t colorMapStart = 0;
    std::uint16_t colorMapLength = 0;
    std::uint8_t colorMapEntrySize = 0;
    std::uint16_t xOrigin = 0;
    std::uint16_t yOrigin = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint8_t pixelDepth = 0;
    std::uint8_t imageDescriptor = 0;

    static constexpr int Size = 18;
    int alphaBits() const { return imageDescriptor & 0x0F; }
    bool rightToLeft() const { return (imageDescriptor & 0x10) != 0; }
    bool topToBottom() const { return (imageDescriptor & 0x20) != 0; }
};

enum class ProgressStage { Starting, Running, Ending };

// One progress report of a load or save. The redraw-now flag is set only in the final report.
struct TgaProgress {
    ProgressStage stage = ProgressStage::Starting;
    int percentDone = 0;
    bool redrawNow = false;
    QRect rect;
    std::string message;
};

using TgaProgressListener = std::function<void(const TgaProgress&)>;
using ChangeListener = std::function<void()>;

// A picture that this program refuses to hold or write, e.g. one too large for memory.
class TgaError : public Error {
public:
    using Error::Error;
};

} // namespace velkarn
