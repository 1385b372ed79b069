#include "core/content/ZipArchive.h"

#include "core/content/EntryExtraction.h"
#include "core/platform/FileSystem.h"

namespace velkarn {

ZipArchive::ZipArchive(ZipMessageHandler onMessage) : onMessage_(std::move(onMessage)) {
}

void ZipArchive::report(const ZipMessage& message) {
    lastError_ = message;
    if (onMessage_)
        onMessage_(message);
}

void ZipArchive::setZipFilename(const std::string& path) {
    entries_.clear();
    archiveStart_ = 0;
    zipFilename_ = path;
    if (!fileExists(path))
        return;
    auto listing = readZipListing(path, [this](const ZipMessage& m) { report(m); });
    if (!listing) {
        zipFilename_.clear();
        return;
    }
    entries_ = std::move(listing->entries);
    archiveStart_ = listing->archiveStart;
}

std::optional<std::string> ZipArchive::readEntryNamed(const std::string& entryName,
                                                      std::size_t maxBytes) {
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].fileName == entryName)
            return readIndex(i, maxBytes);
    report(makeZipMessage(ZipMsg::EntryReadFailed, zipFilename_, entryName + " (no such entry)"));
    return std::nullopt;
}

std::optional<std::string> ZipArchive::readEntryAt(int index, std::size_t maxBytes) {
    if (index < 0 || index >= entryCount()) {
        report(makeZipMessage(ZipMsg::EntryReadFailed, zipFilename_,
                              "entry " + std::to_string(index + 1) + " (no such entry)"));
        return std::nullopt;
    }
    return readIndex(static_cast<std::size_t>(index), maxBytes);
}

std::optional<std::string> ZipArchive::readIndex(std::size_t index, std::size_t maxBytes) {
    const ZipDirEntry& entry = entries_[index];
    ExtractionResult result = extractEntry(zipFilename_, archiveStart_, entry, maxBytes);
    if (result.bytes)
        return std::move(result.bytes);
    if (result.missingArchive)
        report(makeZipMessage(ZipMsg::ArchiveMissing, zipFilename_, entry.fileName));
    else
        report(makeZipMessage(ZipMsg::EntryReadFailed, zipFilename_,
                              entry.fileName + " (" + result.problem + ")"));
    return std::nullopt;
}

} // namespace velkarn
