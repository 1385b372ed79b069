// path.txt: the game folder, the extra command line and the installation.

#include "FuzzInput.h"
#include "core/setup/PathFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velkarn::readPathFile(
        velkarn::fuzz::writeScratchFile("path.txt", velkarn::fuzz::asText(data, size)));
    return 0;
}
