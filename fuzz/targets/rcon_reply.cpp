// A packet of a remote console reply, as a terminal would show it.

#include "FuzzInput.h"
#include "core/network/RconText.h"
#include "core/network/ServerPackets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    if (const auto text = parsePrintPacket(fuzz::asText(data, size))) {
        plainConsoleText(*text);
        isRconRefusal(*text);
    }
    return 0;
}
