#pragma once

#include "core/content/ZipBytes.h"
#include "core/content/ZipMessages.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Our own reader of a zip archive's central directory: it lists what an archive holds without
// decompressing anything.
namespace velkarn {

// One listed entry: the fields of the central directory file header after its signature, in
// their order, then the converted name and comment.
struct ZipDirEntry {
    std::uint8_t madeByVersion = 0;
    std::uint8_t hostSystem = 0; // 0 MS-DOS, 3 Unix, 6 HPFS, 11 NTFS, ...
    std::uint16_t versionNeeded = 0;
    std::uint16_t flags = 0;
    std::uint16_t compressionMethod = 0;
    std::uint32_t modifiedDateTime = 0;
    std::uint32_t crc = 0;
    std::uint32_t compressedSize = 0;
    std::uint32_t uncompressedSize = 0;
    std::uint16_t fileNameLength = 0;
    std::uint16_t extraFieldLength = 0;
    std::uint16_t fileCommentLength = 0;
    std::uint16_t diskNumberStart = 0;
    std::uint16_t internalAttributes = 0;
    std::uint32_t externalAttributes = 0;
    std::uint32_t localHeaderOffset = 0;
    std::string fileName;    // UTF-8, every "/" turned into "\"
    std::string fileComment; // UTF-8
};

struct ZipListing {
    std::vector<ZipDirEntry> entries; // in central directory order
    // Bytes of other data in front of the archive proper (a self-extracting program) that its
    // stored offsets do not count.
    std::uint64_t archiveStart = 0;
};

// Lists the archive at `path` from its central directory, searching the end record across a
// trailing comment of up to 65535 bytes. Problems are reported to `report` by number; warnings
// (data in front of or after the archive) let the listing go on, errors give nothing.
std::optional<ZipListing> readZipListing(const std::string& path, const ZipMessageHandler& report);
// The same for an archive already open; `path` names it in messages.
std::optional<ZipListing> readZipListing(const ReadOnlyFile& file, const std::string& path,
                                         const ZipMessageHandler& report);

// The name conversion of a listed entry: names and comments written by MS-DOS (unless marked as
// UTF-8), HPFS and early NTFS hosts are code page 437 and become UTF-8; in names "/" becomes "\".
std::string convertEntryText(std::string_view stored, std::uint8_t madeByVersion,
                             std::uint8_t hostSystem, std::uint16_t flag, bool isName);

} // namespace velkarn
