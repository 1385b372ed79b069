// models.txt, the catalogue's player models and their skins.

#include "FuzzInput.h"
#include "core/content/CatalogueFiles.h"
#include "core/platform/Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    Catalogue catalogue;
    try {
        readModelsFile(fuzz::writeScratchFile("models.txt", fuzz::asText(data, size)), catalogue);
    } catch (const FileFormatError&) {
        // Not the file as the search writes it: the catalogue is marked for a rebuild.
    }
    return 0;
}
