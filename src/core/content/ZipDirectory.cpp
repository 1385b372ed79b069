#include "core/content/ZipDirectory.h"

#include "core/content/Cp437.h"
#include "core/content/ZipBytes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <new>
#include <optional>

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
constexpr std::size_t ReadChunk = std::size_t{4} * 1024 * 1024;
// Most archives have no comment and a directory of a few kilobytes: one read of this much from
// the end finds the end record and usually the whole directory.
constexpr std::size_t FirstTailRead = std::size_t{16} * 1024;

// A problem that ends the listing; reported once at the top.
struct ListingError {
    int number;
    std::string detail;
};

// Bytes read from the archive, not set to zero first: every byte is read over at once.
struct Block {
    std::unique_ptr<unsigned char[]> bytes;
    std::size_t size = 0;
    std::uint64_t start = 0; // file offset of bytes[0]
};

// Sequential reading of the central directory in large blocks, so that a listing costs a few
// system calls however many entries the archive holds. It starts with the bytes already read
// from the end of the file when the directory begins among them.
class DirectoryReader {
public:
    DirectoryReader(const ReadOnlyFile& file, std::uint64_t start, std::uint64_t fileSize,
                    std::size_t sizeHint)
        : file_(file), next_(start), fileSize_(fileSize),
          chunk_(std::clamp<std::size_t>(sizeHint, std::size_t{64} * 1024, ReadChunk)) {}

    // Takes over `tail`, the last bytes of the file, when the directory starts among them.
    void startFrom(Block& tail) {
        if (next_ < tail.start || next_ - tail.start > tail.size)
            return;
        at_ = static_cast<std::size_t>(next_ - tail.start);
        next_ = tail.start + tail.size;
        block_ = std::move(tail);
    }

    // The next `size` bytes, or nullptr when the file ends first. Valid until the next call.
    const unsigned char* take(std::size_t size) {
        if (block_.size - at_ < size && !refill(size))
            return nullptr;
        const unsigned char* bytes = block_.bytes.get() + at_;
        at_ += size;
        return bytes;
    }

    // Passes over `size` bytes; false when the file ends first.
    bool skip(std::size_t size) { return take(size) != nullptr; }

private:
    // A new block: the bytes not taken yet, then as many as one read gives.
    bool refill(std::size_t need) {
        const std::size_t kept = block_.size - at_;
        if (next_ >= fileSize_)
            return false;
        const std::size_t want = static_cast<std::size_t>(
            std::min<std::uint64_t>(std::max(need - kept, chunk_), fileSize_ - next_));
        Block fresh{std::make_unique_for_overwrite<unsigned char[]>(kept + want), kept, 0};
        std::copy_n(block_.bytes.get() + at_, kept, fresh.bytes.get());
        const long long got = file_.readAt(next_, fresh.bytes.get() + kept, want);
        if (got < 0)
            throw ListingError{ZipMsg::ListingFailed,
                               std::string("read error: ") + std::strerror(errno)};
        fresh.size += static_cast<std::size_t>(got);
        next_ += static_cast<std::uint64_t>(got);
        block_ = std::move(fresh);
        at_ = 0;
        return block_.size >= need;
    }

    const ReadOnlyFile& file_;
    std::uint64_t next_;
    std::uint64_t fileSize_;
    std::size_t chunk_;
    Block block_;
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

Block readTail(const ReadOnlyFile& file, std::uint64_t fileSize, std::size_t size) {
    Block tail;
    tail.size = static_cast<std::size_t>(std::min<std::uint64_t>(fileSize, size));
    tail.bytes = std::make_unique_for_overwrite<unsigned char[]>(tail.size);
    tail.start = fileSize - tail.size;
    const long long got = file.readAt(tail.start, tail.bytes.get(), tail.size);
    if (got < 0)
        throw ListingError{ZipMsg::EndRecordRead, std::strerror(errno)};
    if (static_cast<std::size_t>(got) != tail.size)
        throw ListingError{ZipMsg::EndRecordRead, "the file ended early"};
    return tail;
}

// The position of the end record's signature in `tail`, nearest the end first.
std::optional<std::size_t> findEndSignature(const Block& tail) {
    if (tail.size < EndRecordSize)
        return std::nullopt;
    for (std::size_t at = tail.size - EndRecordSize;; --at) {
        if (zipGet32(tail.bytes.get() + at) == EndRecordSignature)
            return at;
        if (at == 0)
            return std::nullopt;
    }
}

// Finds the end record in the last 65557 bytes of the file, nearest the end first, and checks
// what follows it. Only a long archive comment makes it read more than the first small tail;
// `tail` keeps the bytes read.
EndRecord findEndRecord(const ReadOnlyFile& file, std::uint64_t fileSize, const std::string& path,
                        const ZipMessageHandler& report, Block& tail) {
    tail = readTail(file, fileSize, FirstTailRead);
    std::optional<std::size_t> found = findEndSignature(tail);
    if (!found && fileSize > tail.size) {
        tail = readTail(file, fileSize, LongestComment + EndRecordSize);
        found = findEndSignature(tail);
    }
    if (!found)
        throw ListingError{ZipMsg::NotAZipArchive, {}};

    const unsigned char* p = tail.bytes.get() + *found;
    EndRecord record;
    record.position = tail.start + *found;
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
            allZero(tail.bytes.get() + tail.size - excess, static_cast<std::size_t>(excess));
        if (!blockPadding && report)
            report(makeZipMessage(ZipMsg::DataAfterEnd, path));
    }
    return record;
}

// The ZIP64 end locator, when the archive has one, stands right before the end record.
bool hasZip64Locator(const ReadOnlyFile& file, const EndRecord& record, const Block& tail) {
    if (record.position < Zip64LocatorSize)
        return false;
    const std::uint64_t at = record.position - Zip64LocatorSize;
    unsigned char signature[4];
    const unsigned char* bytes = signature;
    if (at >= tail.start)
        bytes = tail.bytes.get() + (at - tail.start);
    else if (file.readAt(at, signature, sizeof signature) != sizeof signature)
        return false;
    return zipGet32(bytes) == Zip64LocatorSignature;
}

void checkSingleDisk(const EndRecord& record, bool zip64) {
    if (record.thisDisk != 0 || record.directoryDisk != 0 ||
        record.entriesOnDisk != record.totalEntries)
        throw ListingError{ZipMsg::MultiDisk, {}};
    if (zip64)
        throw ListingError{ZipMsg::ListingFailed, "it uses the ZIP64 extensions, which are not "
                                                  "supported"};
}

ZipListing listArchive(const ReadOnlyFile& file, const std::string& path,
                       const ZipMessageHandler& report) {
    if (!file.isOpen())
        throw ListingError{ZipMsg::CannotOpen, std::strerror(file.openError())};
    const long long size = file.size();
    if (size < 0)
        throw ListingError{ZipMsg::EndRecordSeek, {}};
    const auto fileSize = static_cast<std::uint64_t>(size);

    Block tail;
    const EndRecord record = findEndRecord(file, fileSize, path, report, tail);
    checkSingleDisk(record, hasZip64Locator(file, record, tail));

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
    reader.startFrom(tail);
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
        entry.fileName = convertEntryText(
            std::string_view(reinterpret_cast<const char*>(name), entry.fileNameLength),
            entry.madeByVersion, entry.hostSystem, entry.flags, true);
        reader.skip(entry.extraFieldLength);
        if (entry.fileCommentLength > 0) {
            const unsigned char* comment = reader.take(entry.fileCommentLength);
            if (!comment)
                throw ListingError{ZipMsg::CommentShort, entryLabel(k, total)};
            entry.fileComment = convertEntryText(
                std::string_view(reinterpret_cast<const char*>(comment), entry.fileCommentLength),
                entry.madeByVersion, entry.hostSystem, entry.flags, false);
        }
        listing.entries.push_back(std::move(entry));
    }
    return listing;
}

} // namespace

std::string convertEntryText(std::string_view stored, std::uint8_t madeByVersion,
                             std::uint8_t hostSystem, std::uint16_t flag, bool isName) {
    const bool oemText = (hostSystem == 0 && (flag & Utf8NameFlag) == 0) || hostSystem == 6 ||
                         (hostSystem == 11 && madeByVersion == 50);
    std::string text = oemText ? cp437ToUtf8(stored) : std::string(stored);
    if (isName)
        std::replace(text.begin(), text.end(), '/', '\\');
    return text;
}

std::optional<ZipListing> readZipListing(const ReadOnlyFile& file, const std::string& path,
                                         const ZipMessageHandler& report) {
    int number = 0;
    std::string detail;
    try {
        return listArchive(file, path, report);
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

std::optional<ZipListing> readZipListing(const std::string& path, const ZipMessageHandler& report) {
    return readZipListing(ReadOnlyFile(path), path, report);
}

} // namespace velkarn
