#pragma once

#include "core/content/ZipDirectory.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace velkarn {

struct ExtractionResult {
    std::optional<std::string> bytes; // the uncompressed entry, when it could be read
    std::string problem;              // why not, otherwise
    bool missingArchive = false;      // the archive file is gone
};

// Reads one listed entry of the archive at `path` and decompresses it with libzip, checking its
// CRC. libzip is handed a one-entry archive made of the entry's local header and data and a
// directory record built from the listing, so the archive's own directory is not parsed again
// for every entry read. Entries whose stored sizes exceed `maxBytes` are refused before
// anything is read, and no more than `maxBytes` are decompressed whatever the sizes claim.
ExtractionResult extractEntry(const std::string& path, std::uint64_t archiveStart,
                              const ZipDirEntry& entry, std::size_t maxBytes);

} // namespace velkarn
