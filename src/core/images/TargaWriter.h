#pragma once

#include "core/images/TargaTypes.h"

#include <QImage>
#include <string>

namespace velkarn {

// What the writer needs of a picture.
struct TargaWriteInput {
    QImage image;
    QImage alpha; // brought to the image's size (cut or padded with black) if it differs
    TgaType targaType = TgaType::ColorMapped;
    ColorDepth colorDepth = ColorDepth::Bits8;
    std::string imageID; // at most 255 bytes are written
    DitherMode ditherMode = DitherMode::Nearest;
};

// Encodes a picture as a TGA stream: colour-mapped (type 1) after colour reduction, grey
// (type 3), run-length true colour of 24 bits (type 10) or true colour of 16, 24 or 32 bits
// (type 2), rows bottom first. Throws TargaError for a picture wider or higher than a TGA
// header can say.
std::string writeTarga(const TargaWriteInput& input, const TgaProgressListener& progress);

} // namespace velkarn
