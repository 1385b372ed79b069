// A server's answer to "getstatus": its settings and players.

#include "FuzzInput.h"
#include "core/network/ServerPackets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velkarn::parseStatusResponse(velkarn::fuzz::asText(data, size));
    return 0;
}
