#pragma once

#include <QImage>
#include <string>

namespace velkarn {

// Images needing more memory than this once decoded are refused.
constexpr unsigned long long MaxDecodedJpegBytes = 256ull * 1024 * 1024;

// Decodes a JPEG picture (greyscale, color or CMYK) into a Format_RGB32 image. Damaged or
// unsupported data, pictures too large to decode and headers asking for far more pixels than
// the data could hold give a null image; nothing is printed. With `within`, the picture comes
// out fit into that size, keeping its proportions (never larger than it is): libjpeg decodes it
// scaled down already, so a large picture never costs its full size in memory.
QImage decodeJpeg(const std::string& bytes);
QImage decodeJpeg(const std::string& bytes, QSize within);

} // namespace velkarn
