// The game's log (games.log): whole passes over it, as a game still running and as one that
// ended, and a second pass from where the first stopped, as the results read it piece by piece.

#include "FuzzInput.h"
#include "core/results/GameLog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    const std::string_view text = fuzz::asText(data, size);
    for (const bool running : {true, false}) {
        const GameLogRead read = parseGameLog(text, 0, running);
        if (read.resumeOffset > text.size() || read.consumedOffset > text.size())
            __builtin_trap();
        parseGameLog(text.substr(read.resumeOffset), read.resumeOffset, running);
    }
    return 0;
}
