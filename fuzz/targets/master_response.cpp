// A master server's answer to "getservers" or "getserversExt": records of addresses.

#include "FuzzInput.h"
#include "core/network/ServerPackets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velkarn::parseMasterAnswer(velkarn::fuzz::asText(data, size));
    return 0;
}
