// masters.txt, the master servers asked for the list of servers.

#include "FuzzInput.h"
#include "core/network/MasterList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    fuzz::writeScratchFile("masters.txt", fuzz::asText(data, size));
    readMasterList(fuzz::scratchFolder());
    return 0;
}
