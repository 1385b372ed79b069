// A coded player name: its colored preview, and a color code put in at a selection the first
// two bytes choose.

#include "FuzzInput.h"
#include "core/setup/PlayerName.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    if (size < 2)
        return 0;
    const std::string name(fuzz::asText(data + 2, size - 2));
    previewPlayerName(name);
    insertColorCode(name, static_cast<std::int8_t>(data[0]), static_cast<std::int8_t>(data[1]),
                    '1');
    return 0;
}
