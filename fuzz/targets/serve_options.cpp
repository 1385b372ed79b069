// configs/NAME.server, a setup's server options.

#include "FuzzInput.h"
#include "core/launch/ServeOptions.h"
#include "core/platform/Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    ServeOptions options;
    try {
        readServeOptions(fuzz::writeScratchFile("duel.server", fuzz::asText(data, size)), options);
    } catch (const Error&) {
        // A damaged file is refused with its line named.
    }
    return 0;
}
