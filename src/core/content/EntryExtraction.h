#pragma once

#include "core/content/ZipBytes.h"
#include "core/content/ZipDirectory.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace velkarn {

struct ExtractionResult {
    std::optional<std::string> bytes; // the uncompressed entry, when it could be read
    std::string problem;              // why not, otherwise
};

// Decompresses deflated entries. One is kept from entry to entry, so that each entry does not
// pay for setting zlib up.
class Inflater {
public:
    Inflater();
    ~Inflater();
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    // Inflates raw deflate data into at most `maxBytes`; `expected` is the size the directory
    // gives, only a first guess of the room needed.
    ExtractionResult inflate(std::string_view compressed, std::size_t expected,
                             std::size_t maxBytes);

private:
    struct Stream;
    std::unique_ptr<Stream> stream_;
};

// Reads one listed entry of an open archive and checks its size and CRC. Entries are stored or
// deflated, the two methods the game itself reads; others are refused with the reason. Entries
// whose stored sizes exceed `maxBytes` are refused before anything is read, and no more than
// `maxBytes` are decompressed whatever the sizes claim.
ExtractionResult extractEntry(const ReadOnlyFile& file, std::uint64_t archiveStart,
                              const ZipDirEntry& entry, std::size_t maxBytes, Inflater& inflater);

} // namespace velkarn
