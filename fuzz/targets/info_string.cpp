// A server's settings as an info string, "\key\value...".

#include "FuzzInput.h"
#include "core/network/InfoString.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    const InfoPairs pairs = parseInfoString(fuzz::asText(data, size));
    infoValue(pairs, "sv_hostname");
    return 0;
}
