// configs/NAME.server, a setup's server options, and the server script they give: a file the
// reader takes never makes a script line that holds the "\" the game's info strings refuse, or
// ends a command early.

#include "FuzzInput.h"
#include "core/launch/GameScript.h"
#include "core/launch/ServeOptions.h"
#include "core/platform/Errors.h"
#include "core/platform/PrintableText.h"

#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    static const ServerRotation rotation = [] {
        ServerRotation maps;
        maps.push_back(std::make_unique<ServerRotationEntry>());
        maps.back()->name = "q3dm1";
        return maps;
    }();
    ServeOptions options;
    try {
        readServeOptions(fuzz::writeScratchFile("duel.server", fuzz::asText(data, size)), options);
    } catch (const Error&) {
        // A damaged file is refused with its line named.
        return 0;
    }
    for (const std::string& line : serverScriptLines(options.server, rotation))
        if (hasControlCharacter(line) || line.find_first_of("\\;\"") != std::string::npos)
            std::abort();
    return 0;
}
