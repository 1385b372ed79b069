// buddies.txt, the players looked for on the servers: read, then matched against a name.

#include "FuzzInput.h"
#include "core/network/BuddyFile.h"
#include "core/network/BuddyList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    fuzz::writeScratchFile("buddies.txt", fuzz::asText(data, size));
    const BuddyFileRead read = readBuddyFile(fuzz::scratchFolder());
    BuddyList(read.names).isBuddy("^1Sa^7rge");
    return 0;
}
