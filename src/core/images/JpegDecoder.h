#pragma once

#include <QImage>
#include <string>

namespace velkarn {

// Images needing more memory than this once decoded are refused.
constexpr unsigned long long MaxDecodedJpegBytes = 256ull * 1024 * 1024;

// Decodes a JPEG picture (greyscale, color or CMYK) into a Format_RGB32 image. Damaged or
// unsupported data, pictures too large to decode and headers asking for far more pixels than
// the data could hold give a null image; nothing is printed.
QImage decodeJpeg(const std::string& bytes);

} // namespace velkarn
