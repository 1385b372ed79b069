// servers.txt, the saved servers.

#include "FuzzInput.h"
#include "core/launch/ServerListFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    readServerList(fuzz::writeScratchFile("servers.txt", fuzz::asText(data, size)));
    return 0;
}
