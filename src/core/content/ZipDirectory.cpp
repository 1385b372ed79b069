#include "core/content/ZipDirectory.h"

#include "core/content/Cp437.h"
#include "core/content/ZipBytes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

namespace velkarn {

namespace {

constexpr std::uint32_t EndRecordSignature = 0x06054B50;
constexpr std::uint32_t HeaderSignature = 0x02014B50;
constexpr std::uint32_t Zip64LocatorSignature = 0x07064B50;
constexpr std::size_t EndRecordSize = 22;
constexpr std::size_t Zip64LocatorSize = 20;
constexpr std::size_t HeaderSize = 46;
constexpr std::size_t LongestComment = 65535;
constexpr std::uint16_t Utf8NameFlag = 0x0800;
constexpr std::size_t ReadChunk = 4 * 1024 * 1024;

// A problem that ends the listing; reported once at the top.
struct ListingError {
    int number;
    std::string detail;
};

// Sequential reading of the central directory in large blocks, so that a listing costs a few
// system calls however many entries the archive holds.
class DirectoryReader {
public:
    DirectoryReader(const ReadOnlyFile& file, std::uint64_t start, std::uint64_t fileSize,
                    std::size_t sizeHint)
        : file_(file), next_(start), fileSize_(fileSize),
          chunk_(std::clamp<std::size_t>(sizeHint, 64 * 1024, ReadChunk)) {}

    // The next `size` bytes, or nullptr when the file ends first. Valid until the next call.
    const unsigned char* take(std::size_t size) {
        if (buffer_.size() - at_ < size && !refill(size))
            return nullptr;
        const unsigned char* bytes = buffer_.data() + at_;
        at_ += size;
        return bytes;
    }

    // Passes over `size` bytes; false when the file ends first.
    bool skip(std::size_t size) { return take(size) != nullptr; }

private:
    bool refill(std::size_t need) {
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(at_));
        at_ = 0;
        const std::size_t missing = need - buffer_.size();
        if (next_ >= fileSize_)
            return false;
        const std::size_t want = static_cast<std::size_t>(
            std::min<std::uint64_t>(std::max(missing, chunk_), fileSize_ - next_));
        const std::size_t kept = buffer_.size();
        buffer_.resize(kept + want);
        const long long got = file_.readAt(next_, buffer_.data() + kept, want);
        if (got < 0)
            throw ListingError{ZipMsg::ListingFailed,
                               std::string("read error: ") + std::strerror(errno)};
        buffer_.resize(kept + static_cast<std::size_t>(got));
        next_ += static_cast<std::uint64_t>(got);
        return buffer_.size() >= need;
    }

    const ReadOnlyFile& file_;
    std::uint64_t next_;
    std::uint64_t fileSize_;
    std::size_t chunk_;
    std::vector<unsigned char> buffer_;
    std::size_t at_ = 0;
};

struct EndRecord {
    std::uint64_t position = 0; // file offset of its signature
    std::uint16_t thisDisk = 0;
    std::uint16_t directoryDisk = 0;
    std::uint16_t entriesOnDisk = 0;
    std::uint16_t totalEntries = 0;
    std::uint32_t directorySize = 0;
    std::uint32_t directoryOffset = 0;
    std::uint16_t commentLength = 0;
};

bool allZero(const unsigned char* bytes, std::size_t size) {
    return std::all_of(bytes, bytes + size, [](unsigned char b) { return b == 0; });
}

std::string entryLabel(std::size_t index, std::size_t total) {
    return "entry " + std::to_string(index + 1) + " of " + std::to_string(total);
}

// Finds the end record in the last 65557 bytes of the file, nearest the end first, and checks
// what follows it.
EndRecord findEndRecord(const ReadOnlyFile& file, std::uint64_t fileSize, const std::string& path,
                        const ZipMessageHandler& report) {
    const std::size_t tailSize =
        static_cast<std::size_t>(std::min<std::uint64_t>(fileSize, LongestComment + EndRecordSize));
    std::vector<unsigned char> tail(tailSize);
    const std::uint64_t tailStart = fileSize - tailSize;
    const long long got = file.readAt(tailStart, tail.data(), tailSize);
    if (got < 0)
        throw ListingError{ZipMsg::EndRecordRead, std::strerror(errno)};
    if (static_cast<std::size_t>(got) != tailSize)
        throw ListingError{ZipMsg::EndRecordRead, "the file ended early"};
    if (tailSize < EndRecordSize)
        throw ListingError{ZipMsg::NotAZipArchive, {}};

    std::size_t at = tailSize - EndRecordSize;
    while (zipGet32(&tail[at]) != EndRecordSignature) {
        if (at == 0)
            throw ListingError{ZipMsg::NotAZipArchive, {}};
        --at;
    }

    const unsigned char* p = &tail[at];
    EndRecord record;
    record.position = tailStart + at;
    record.thisDisk = zipGet16(p + 4);
    record.directoryDisk = zipGet16(p + 6);
    record.entriesOnDisk = zipGet16(p + 8);
    record.totalEntries = zipGet16(p + 10);
    record.directorySize = zipGet32(p + 12);
    record.directoryOffset = zipGet32(p + 16);
    record.commentLength = zipGet16(p + 20);

    const std::uint64_t commentEnd = record.position + EndRecordSize + record.commentLength;
    if (commentEnd != fileSize) {
        // Padding of a file written in 512-byte blocks is expected and passes silently.
        const std::uint64_t excess = fileSize > commentEnd ? fileSize - commentEnd : 0;
        const bool blockPadding =
            excess > 0 && excess < 512 && fileSize % 512 == 0 &&
            allZero(&tail[tailSize - excess], static_cast<std::size_t>(excess));
        if (!blockPadding && report)
            report(makeZipMessage(ZipMsg::DataAfterEnd, path));
    }
    return record;
}

void checkSingleDisk(const EndRecord& record, const std::vector<unsigned char>& locator) {
    if (record.thisDisk != 0 || record.directoryDisk != 0 ||
        record.entriesOnDisk != record.totalEntries)
        throw ListingError{ZipMsg::MultiDisk, {}};
    if (locator.size() == Zip64LocatorSize && zipGet32(locator.data()) == Zip64LocatorSignature)
        throw ListingError{ZipMsg::ListingFailed, "it uses the ZIP64 extensions, which are not "
                                                  "supported"};
}

ZipListing listArchive(const std::string& path, const ZipMessageHandler& report) {
    const ReadOnlyFile file(path);
    if (!file.isOpen())
        throw ListingError{ZipMsg::CannotOpen, std::strerror(file.openError())};
    const long long size = file.size();
    if (size < 0)
        throw ListingError{ZipMsg::EndRecordSeek, {}};
    const auto fileSize = static_cast<std::uint64_t>(size);

    const EndRecord record = findEndRecord(file, fileSize, path, report);
    std::vector<unsigned char> locator(record.position >= Zip64LocatorSize ? Zip64LocatorSize : 0);
    if (!locator.empty() && file.readAt(record.position - Zip64LocatorSize, locator.data(),
                                        locator.size()) != static_cast<long long>(Zip64LocatorSize))
        locator.clear();
    checkSingleDisk(record, locator);

    // The directory ends where the end record begins; if the stored offset disagrees, the
    // archive was appended to other data without its offsets being adjusted.
    if (record.directorySize > record.position)
        throw ListingError{ZipMsg::DirectorySeek, {}};
    const std::uint64_t directoryStart = record.position - record.directorySize;
    ZipListing listing;
    if (directoryStart != record.directoryOffset) {
        const long long shift =
            static_cast<long long>(directoryStart) - static_cast<long long>(record.directoryOffset);
        if (report)
            report(makeZipMessage(ZipMsg::DataInFront, path, std::to_string(shift)));
        listing.archiveStart = shift > 0 ? static_cast<std::uint64_t>(shift) : 0;
    }

    DirectoryReader reader(file, directoryStart, fileSize,
                           record.directorySize + EndRecordSize + record.commentLength);
    const std::size_t total = record.totalEntries;
    listing.entries.reserve(total);
    for (std::size_t k = 0; k < total; ++k) {
        const unsigned char* h = reader.take(HeaderSize);
        if (!h)
            throw ListingError{ZipMsg::DirectoryShort, entryLabel(k, total)};
        if (zipGet32(h) != HeaderSignature)
            throw ListingError{ZipMsg::BadHeaderSignature, "Entry " + std::to_string(k + 1)};
        ZipDirEntry entry;
        entry.madeByVersion = h[4];
        entry.hostSystem = h[5];
        entry.versionNeeded = zipGet16(h + 6);
        entry.flags = zipGet16(h + 8);
        entry.compressionMethod = zipGet16(h + 10);
        entry.modifiedDateTime = zipGet32(h + 12);
        entry.crc = zipGet32(h + 16);
        entry.compressedSize = zipGet32(h + 20);
        entry.uncompressedSize = zipGet32(h + 24);
        entry.fileNameLength = zipGet16(h + 28);
        entry.extraFieldLength = zipGet16(h + 30);
        entry.fileCommentLength = zipGet16(h + 32);
        entry.diskNumberStart = zipGet16(h + 34);
        entry.internalAttributes = zipGet16(h + 36);
        entry.externalAttributes = zipGet32(h + 38);
        entry.localHeaderOffset = zipGet32(h + 42);

        const unsigned char* name = reader.take(entry.fileNameLength);
        if (!name)
            throw ListingError{ZipMsg::NameShort, entryLabel(k, total)};
        entry.fileName =
            convertEntryText(std::string(reinterpret_cast<const char*>(name), entry.fileNameLength),
                             entry.madeByVersion, entry.hostSystem, entry.flags, true);
        reader.skip(entry.extraFieldLength);
        if (entry.fileCommentLength > 0) {
            const unsigned char* comment = reader.take(entry.fileCommentLength);
            if (!comment)
                throw ListingError{ZipMsg::CommentShort, entryLabel(k, total)};
            entry.fileComment = convertEntryText(
                std::string(reinterpret_cast<const char*>(comment), entry.fileCommentLength),
                entry.madeByVersion, entry.hostSystem, entry.flags, false);
        }
        listing.entries.push_back(std::move(entry));
    }
    return listing;
}

} // namespace

std::string convertEntryText(const std::string& stored, std::uint8_t madeByVersion,
                             std::uint8_t hostSystem, std::uint16_t flag, bool isName) {
    const bool oemText = (hostSystem == 0 && (flag & Utf8NameFlag) == 0) || hostSystem == 6 ||
                         (hostSystem == 11 && madeByVersion == 50);
    std::string text = oemText ? cp437ToUtf8(stored) : stored;
    if (isName)
        std::replace(text.begin(), text.end(), '/', '\\');
    return text;
}

std::optional<ZipListing> readZipListing(const std::string& path, const ZipMessageHandler& report) {
    int number = 0;
    std::string detail;
    try {
        return listArchive(path, report);
    } catch (const ListingError& error) {
        number = error.number;
        detail = error.detail;
    } catch (const std::bad_alloc&) {
        number = ZipMsg::OutOfMemory;
    } catch (const std::exception& error) {
        number = ZipMsg::ListingFailed;
        detail = error.what();
    }
    if (report)
        report(makeZipMessage(number, path, detail));
    return std::nullopt;
}

} // namespace velkarn
