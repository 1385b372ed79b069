// The game's config file (q3config.cfg), read for the g_log setting.

#include "FuzzInput.h"
#include "core/results/GameLogSource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    fuzz::writeScratchFile("q3config.cfg", fuzz::asText(data, size));
    configuredLogName({fuzz::scratchFolder()});
    return 0;
}
