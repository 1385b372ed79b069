#pragma once

#include "core/images/TgaTypes.h"

#include <QImage>
#include <string>

namespace velkarn {

// What the writer needs of a picture.
struct TgaWriteInput {
    QImage image;
    QImage alpha; // brought to the image's size (cut or padded with black) if it differs
    TgaType tgaType = TgaType::ColorMapped;
    ColorDepth colorDepth = ColorDepth::Bits8;
    std::string imageID; // at most 255 bytes are written
    DitherMode ditherMode = DitherMode::Nearest;
};

// Encodes a picture as a TGA stream: color-mapped (type 1) after color reduction, grey
// (type 3), run-length true color of 24 bits (type 10) or true color of 16, 24 or 32 bits
// (type 2), rows bottom first. Throws TgaError for a picture wider or higher than a TGA
// header can say.
std::string writeTga(const TgaWriteInput& input, const TgaProgressListener& progress);

} // namespace velkarn
