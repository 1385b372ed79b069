// bots.txt, the catalogue's bot names.

#include "FuzzInput.h"
#include "core/content/CatalogueFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    Catalogue catalogue;
    readBotsFile(fuzz::writeScratchFile("bots.txt", fuzz::asText(data, size)), catalogue);
    return 0;
}
