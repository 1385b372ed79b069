#include "core/content/ZipArchive.h"

#include <cerrno>

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
    file_.reset();
    zipFilename_ = path;
    auto file = std::make_unique<ReadOnlyFile>(path);
    const bool noFile = file->isOpen()
                            ? !file->isRegular()
                            : file->openError() == ENOENT || file->openError() == ENOTDIR;
    if (noFile)
        return;
    auto listing = readZipListing(*file, path, [this](const ZipMessage& m) { report(m); });
    if (!listing) {
        zipFilename_.clear();
        return;
    }
    entries_ = std::move(listing->entries);
    archiveStart_ = listing->archiveStart;
    file_ = std::move(file);
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
    ExtractionResult result = extractEntry(*file_, archiveStart_, entry, maxBytes, inflater_);
    if (result.bytes)
        return std::move(result.bytes);
    report(makeZipMessage(ZipMsg::EntryReadFailed, zipFilename_,
                          entry.fileName + " (" + result.problem + ")"));
    return std::nullopt;
}

} // namespace velkarn
