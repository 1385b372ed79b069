// models.txt, the catalogue's player models and their skins.

#include "FuzzInput.h"
#include "core/content/CatalogueFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    Catalogue catalogue;
    readModelsFile(fuzz::writeScratchFile("models.txt", fuzz::asText(data, size)), catalogue);
    return 0;
}
