#pragma once

#include "core/images/TgaTypes.h"

#include <QImage>
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace velkarn {

// Everything one TGA stream yields. The type fields are empty where the stream leaves the
// picture's current value alone (an unknown image type, an unsupported depth).
struct TgaReadResult {
    TgaHeader header;
    std::string imageID;
    TgaPalette palette{};
    QImage image; // Format_RGB32, header Width x Height, black where nothing was decoded
    QImage alpha; // Format_RGB32, same size, alpha as grey
    std::optional<TgaType> tgaType;
    std::optional<ColorDepth> colorDepth;
    std::optional<bool> includeAlpha;
    std::size_t bytesUsed = 0; // up to the end of the last packet or row taken
};

// Largest picture memory (color and alpha pictures together) a header may ask for.
constexpr std::uint64_t MaxTgaPictureBytes = 256ull * 1024 * 1024;

// Decodes a TGA stream. The color map starts from `palette`, so entries the stream does not
// supply keep their colors. Never reads past `bytes`: a stream that ends early gives the part
// that could be decoded, the rest stays black. Throws TgaError when the header asks for more
// than MaxTgaPictureBytes, or for far more pixels than the stream's bytes could fill.
TgaReadResult readTga(std::string_view bytes, const TgaPalette& palette,
                      const TgaProgressListener& progress);

// The color picture of a TGA stream reduced while it is read, each block of pixels folded into
// their mean, to at most `largestSide` on each side (a smaller picture keeps its size): what a
// preview shows of a picture far larger than itself, never holding it whole. A stream that ends
// early is black where it ends, as in readTga. Gives a null picture for no width or height;
// throws TgaError for far more pixels than the stream's bytes could fill.
QImage readTgaReduced(std::string_view bytes, int largestSide);

} // namespace velkarn
