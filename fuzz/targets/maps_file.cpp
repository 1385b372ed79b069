// maps.txt, the catalogue's nine-line map records.

#include "FuzzInput.h"
#include "core/content/CatalogueFiles.h"
#include "core/platform/Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    Catalogue catalogue;
    try {
        readMapsFile(fuzz::writeScratchFile("maps.txt", fuzz::asText(data, size)), catalogue);
    } catch (const FileFormatError&) {
        // Not the file as the search writes it: the catalogue is marked for a rebuild.
    } catch (const ConvertError&) {
        // A number that is none: the same.
    }
    return 0;
}
