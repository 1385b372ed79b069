// mods.txt, the mod list.

#include "FuzzInput.h"
#include "core/setup/ModList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    const auto mods = readModsFile(fuzz::writeScratchFile("mods.txt", fuzz::asText(data, size)));
    modStartParameters(mods, 1);
    modIndexForName(mods, "[None]");
    return 0;
}
