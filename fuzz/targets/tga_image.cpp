// A TGA picture (a levelshot or a file), decoded with its alpha picture.

#include "FuzzInput.h"
#include "core/images/TgaImage.h"
#include "core/images/TgaTypes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    TgaImage image;
    try {
        image.loadFromBytes(fuzz::asText(data, size));
    } catch (const TgaError&) {
    }
    return 0;
}
