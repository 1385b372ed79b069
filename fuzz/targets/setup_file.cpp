// A setup file (configs/<name>.vkn), read against a catalogue of two maps.

#include "FuzzInput.h"
#include "core/platform/Errors.h"
#include "core/setup/SetupFile.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    static const MapFiles catalogue = [] {
        MapFiles maps;
        for (const char* name : {"q3dm1.bsp", "q3ctf1.bsp"}) {
            maps.push_back(std::make_unique<MapFile>());
            maps.back()->fileName = name;
        }
        return maps;
    }();
    const std::string path = fuzz::writeScratchFile("input.vkn", fuzz::asText(data, size));
    SetupReadResult read;
    try {
        loadSetupFile(path, catalogue, read);
    } catch (const ConvertError&) {
    }
    return 0;
}
