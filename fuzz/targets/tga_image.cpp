// A TGA picture (a levelshot or a file), decoded with its alpha picture, and reduced while read
// as the preview shows it.

#include "FuzzInput.h"
#include "core/images/TgaImage.h"
#include "core/images/TgaReader.h"
#include "core/images/TgaTypes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    TgaImage image;
    try {
        image.loadFromBytes(fuzz::asText(data, size));
    } catch (const TgaError&) {
    }
    try {
        readTgaReduced(fuzz::asText(data, size), 64);
    } catch (const TgaError&) {
    }
    return 0;
}
