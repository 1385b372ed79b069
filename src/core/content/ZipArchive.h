#pragma once

#include "core/content/EntryExtraction.h"
#include "core/content/ZipBytes.h"
#include "core/content/ZipDirectory.h"
#include "core/content/ZipMessages.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velkarn {

// The archive component: setting an archive opens it and lists it at once from its central
// directory; entries are read into memory by their listed names, through the same open file
// until the next archive is set, so what is read always matches the listing. Problems never
// reach the caller as errors: they go to the message handler (and lastError), and the archive
// then counts as empty or the entry as unreadable.
class ZipArchive {
public:
    explicit ZipArchive(ZipMessageHandler onMessage = {});
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // Sets the current archive and lists it. A path naming no file (or a folder, a pipe) gives no
    // entries and no message; a listing that fails reports why and clears zipFilename.
    void setZipFilename(const std::string& path);
    const std::string& zipFilename() const { return zipFilename_; }

    int entryCount() const { return static_cast<int>(entries_.size()); }
    // The entries in central directory order, names with "\" separators.
    const std::vector<ZipDirEntry>& entries() const { return entries_; }

    // The uncompressed bytes of the entry listed under `entryName` (exact name, "\"
    // separators), or nothing after reporting why: no such entry, larger than `maxBytes`,
    // damaged data, a CRC mismatch, a compression the game cannot read either.
    std::optional<std::string> readEntryNamed(const std::string& entryName, std::size_t maxBytes);
    // readEntryNamed of the entry at `index` (0-based, listing order).
    std::optional<std::string> readEntryAt(int index, std::size_t maxBytes);

    // The last message reported; number 0 when there was none.
    const ZipMessage& lastError() const { return lastError_; }

    void setMessageHandler(ZipMessageHandler onMessage) { onMessage_ = std::move(onMessage); }

private:
    void report(const ZipMessage& message);
    std::optional<std::string> readIndex(std::size_t index, std::size_t maxBytes);

    ZipMessageHandler onMessage_;
    ZipMessage lastError_;
    std::string zipFilename_;
    std::unique_ptr<ReadOnlyFile> file_; // the listed archive, open while it is current
    std::vector<ZipDirEntry> entries_;
    std::uint64_t archiveStart_ = 0; // other data in front of the archive
    Inflater inflater_;
};

} // namespace velkarn
