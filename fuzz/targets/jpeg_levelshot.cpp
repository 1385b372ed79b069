// A JPEG levelshot, decoded as the map preview shows it.

#include "FuzzInput.h"
#include "core/images/JpegDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velkarn::decodeJpeg(std::string(velkarn::fuzz::asText(data, size)));
    return 0;
}
