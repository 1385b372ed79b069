// A bot text (bots.txt, *.bot) from an archive, merged into a catalogue.

#include "FuzzInput.h"
#include "core/content/CatalogueIndex.h"
#include "core/content/GameTexts.h"
#include "core/platform/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    Catalogue catalogue;
    CatalogueIndex index(catalogue);
    index.addBots({"Sarge"});
    parseBotText(splitLines(std::string(fuzz::asText(data, size))), index);
    return 0;
}
