#include "catalogue/ZipMaster.h"

#include "platform/FileSystem.h"

#include <zip.h>

namespace velkarn {

namespace {

std::string libzipErrorText(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

std::string sizeText(std::size_t bytes) {
    if (bytes % (1024 * 1024) == 0)
        return std::to_string(bytes / (1024 * 1024)) + " MiB";
    return std::to_string(bytes) + " bytes";
}

} // namespace

TZipMaster::TZipMaster(ZipMessageHandler onMessage) : onMessage_(std::move(onMessage)) {
}

TZipMaster::~TZipMaster() {
    closeReader();
}

void TZipMaster::report(const ZipMessage& message) {
    lastError_ = message;
    if (onMessage_)
        onMessage_(message);
}

void TZipMaster::closeReader() {
    if (reader_)
        zip_discard(reader_);
    reader_ = nullptr;
}

void TZipMaster::setZipFilename(const std::string& path) {
    closeReader();
    entries_.clear();
    archiveStart_ = archiveEnd_ = 0;
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
    archiveEnd_ = listing->archiveEnd;
}

bool TZipMaster::openReader(const std::string& entryName) {
    if (reader_)
        return true;
    if (!fileExists(zipFilename_)) {
        report(makeZipMessage(ZipMsg::ArchiveMissing, zipFilename_, entryName));
        return false;
    }
    // libzip sees only the archive proper, so data in front of it or after it does not upset
    // its offsets.
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_file_create(zipFilename_.c_str(), archiveStart_,
                               static_cast<zip_int64_t>(archiveEnd_ - archiveStart_), &error);
    if (source)
        reader_ = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (source && !reader_)
        zip_source_free(source);
    const std::string why = zip_error_strerror(&error);
    zip_error_fini(&error);
    if (!reader_) {
        report(makeZipMessage(ZipMsg::EntryReadFailed, zipFilename_, entryName + " (" + why + ")"));
        return false;
    }
    if (zip_get_num_entries(reader_, 0) != static_cast<zip_int64_t>(entries_.size())) {
        report(makeZipMessage(ZipMsg::EntryReadFailed, zipFilename_,
                              entryName + " (the archive changed since it was listed)"));
        closeReader();
        return false;
    }
    return true;
}

std::optional<std::string> TZipMaster::ReadEntry(const std::string& entryName,
                                                 std::size_t maxBytes) {
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].FileName == entryName)
            return readIndex(i, entryName, maxBytes);
    report(makeZipMessage(ZipMsg::EntryReadFailed, zipFilename_, entryName + " (no such entry)"));
    return std::nullopt;
}

std::optional<std::string> TZipMaster::ReadEntryAt(int index, std::size_t maxBytes) {
    if (index < 0 || index >= EntryCount()) {
        report(makeZipMessage(ZipMsg::EntryReadFailed, zipFilename_,
                              "entry " + std::to_string(index + 1) + " (no such entry)"));
        return std::nullopt;
    }
    const auto at = static_cast<std::size_t>(index);
    return readIndex(at, entries_[at].FileName, maxBytes);
}

std::optional<std::string> TZipMaster::readIndex(std::size_t index, const std::string& entryName,
                                                 std::size_t maxBytes) {
    const auto tooLarge = [&] {
        report(makeZipMessage(ZipMsg::EntryReadFailed, zipFilename_,
                              entryName + " (larger than " + sizeText(maxBytes) + "; skipped)"));
        return std::nullopt;
    };
    if (entries_[index].UncomprSize > maxBytes)
        return tooLarge();
    if (!openReader(entryName))
        return std::nullopt;

    zip_file_t* file = zip_fopen_index(reader_, index, 0);
    if (!file) {
        report(makeZipMessage(ZipMsg::EntryReadFailed, zipFilename_,
                              entryName + " (" + zip_strerror(reader_) + ")"));
        return std::nullopt;
    }
    // The stored size may lie: read no more than the limit allows, whatever it says.
    std::string bytes;
    bytes.reserve(entries_[index].UncomprSize);
    char block[65536];
    zip_int64_t got = 0;
    bool oversize = false;
    while ((got = zip_fread(file, block, sizeof block)) > 0) {
        if (bytes.size() + static_cast<std::size_t>(got) > maxBytes) {
            oversize = true;
            break;
        }
        bytes.append(block, static_cast<std::size_t>(got));
    }
    const std::string why = got < 0 ? zip_file_strerror(file) : std::string();
    const int closeError = zip_fclose(file);
    if (oversize)
        return tooLarge();
    if (got < 0 || closeError != 0) {
        report(
            makeZipMessage(ZipMsg::EntryReadFailed, zipFilename_,
                           entryName + " (" + (got < 0 ? why : libzipErrorText(closeError)) + ")"));
        return std::nullopt;
    }
    return bytes;
}

} // namespace velkarn
