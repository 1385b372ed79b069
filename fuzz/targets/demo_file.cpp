// A demo read for its facts: the first blocks and the game state, then the last block found
// from the end (or by walking a demo cut short).

#include "FuzzInput.h"
#include "core/demos/DemoReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    const DemoRead read = readDemoBytes(fuzz::asText(data, size), "fuzz.dm_71");
    if (read.status == DemoReadStatus::Ok && read.facts.lengthMs < -1)
        __builtin_trap();
    return 0;
}
