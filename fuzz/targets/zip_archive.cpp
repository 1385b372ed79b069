// An archive as the content search and the levelshot preview read it: the central directory,
// then every entry decompressed (each at most 1 MiB, the first 64 entries).

#include "FuzzInput.h"
#include "core/content/ZipArchive.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    const std::string path = fuzz::writeScratchFile("input.pk3", fuzz::asText(data, size));
    ZipArchive zip;
    zip.setZipFilename(path);
    for (int k = 0; k < std::min(zip.entryCount(), 64); ++k)
        zip.readEntryAt(k, 1024 * 1024);
    return 0;
}
