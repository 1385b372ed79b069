#include "core/content/EntryExtraction.h"

#include "core/content/ZipBytes.h"

#include <cerrno>
#include <cstring>
#include <zip.h>

namespace velkarn {

namespace {

constexpr std::uint32_t LocalHeaderSignature = 0x04034B50;
constexpr std::size_t LocalHeaderSize = 30;

std::string sizeText(std::size_t bytes) {
    if (bytes % (1024 * 1024) == 0)
        return std::to_string(bytes / (1024 * 1024)) + " MiB";
    return std::to_string(bytes) + " bytes";
}

// Appends `size` bytes read at `offset`; false when the file ends first or cannot be read.
bool appendRead(const ReadOnlyFile& file, std::string& out, std::uint64_t offset,
                std::size_t size) {
    const std::size_t start = out.size();
    out.resize(start + size);
    return file.readAt(offset, out.data() + start, size) == static_cast<long long>(size);
}

const unsigned char* bytesAt(const std::string& bytes, std::size_t at) {
    return reinterpret_cast<const unsigned char*>(bytes.data()) + at;
}

// Appends the directory record and end record that make `archive` (an entry's local header
// and data) a one-entry archive.
void appendDirectory(std::string& archive, const ZipDirEntry& entry) {
    const auto directoryStart = static_cast<std::uint32_t>(archive.size());
    zipPut32(archive, 0x02014B50);
    zipPut16(archive, static_cast<std::uint32_t>(entry.hostSystem) << 8 | entry.madeByVersion);
    zipPut16(archive, entry.versionNeeded);
    zipPut16(archive, entry.flags);
    zipPut16(archive, entry.compressionMethod);
    zipPut32(archive, entry.modifiedDateTime);
    zipPut32(archive, entry.crc);
    zipPut32(archive, entry.compressedSize);
    zipPut32(archive, entry.uncompressedSize);
    zipPut16(archive, 1); // name "e": the entry is opened by index
    zipPut32(archive, 0); // extra field and comment lengths
    zipPut32(archive, 0); // disk, internal attributes
    zipPut32(archive, 0); // external attributes
    zipPut32(archive, 0); // local header offset
    archive += 'e';
    const auto directorySize = static_cast<std::uint32_t>(archive.size()) - directoryStart;
    zipPut32(archive, 0x06054B50);
    zipPut32(archive, 0);
    zipPut16(archive, 1);
    zipPut16(archive, 1);
    zipPut32(archive, directorySize);
    zipPut32(archive, directoryStart);
    zipPut16(archive, 0);
}

// Decompresses entry 0 of `archive` with libzip, at most `maxBytes`.
ExtractionResult inflate(const std::string& archive, std::size_t maxBytes) {
    ExtractionResult result;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(archive.data(), archive.size(), 0, &error);
    zip_t* zip = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    if (!zip) {
        result.problem = zip_error_strerror(&error);
        if (source)
            zip_source_free(source);
        zip_error_fini(&error);
        return result;
    }
    zip_error_fini(&error);
    zip_file_t* file = zip_fopen_index(zip, 0, 0);
    if (!file) {
        result.problem = zip_strerror(zip);
        zip_discard(zip);
        return result;
    }
    std::string bytes;
    char block[65536];
    zip_int64_t got = 0;
    while ((got = zip_fread(file, block, sizeof block)) > 0) {
        if (bytes.size() + static_cast<std::size_t>(got) > maxBytes) {
            result.problem = "larger than " + sizeText(maxBytes) + "; skipped";
            break;
        }
        bytes.append(block, static_cast<std::size_t>(got));
    }
    if (got < 0)
        result.problem = zip_file_strerror(file);
    zip_fclose(file);
    zip_discard(zip);
    if (result.problem.empty())
        result.bytes = std::move(bytes);
    return result;
}

} // namespace

ExtractionResult extractEntry(const std::string& path, std::uint64_t archiveStart,
                              const ZipDirEntry& entry, std::size_t maxBytes) {
    ExtractionResult result;
    // Deflate never grows data by more than a few bytes per block, so a compressed size far
    // above the limit cannot hold an entry within it.
    if (entry.uncompressedSize > maxBytes ||
        entry.compressedSize > maxBytes + maxBytes / 64 + 4096) {
        result.problem = "larger than " + sizeText(maxBytes) + "; skipped";
        return result;
    }
    const ReadOnlyFile file(path);
    if (!file.isOpen()) {
        result.missingArchive = file.openError() == ENOENT;
        result.problem = std::strerror(file.openError());
        return result;
    }
    const std::uint64_t localStart = archiveStart + entry.localHeaderOffset;
    std::string archive;
    archive.reserve(LocalHeaderSize + 512 + entry.compressedSize + 128);
    if (!appendRead(file, archive, localStart, LocalHeaderSize) ||
        zipGet32(bytesAt(archive, 0)) != LocalHeaderSignature) {
        result.problem = "damaged: no local header where the directory says";
        return result;
    }
    const std::size_t nameAndExtra =
        zipGet16(bytesAt(archive, 26)) + static_cast<std::size_t>(zipGet16(bytesAt(archive, 28)));
    if (!appendRead(file, archive, localStart + LocalHeaderSize,
                    nameAndExtra + entry.compressedSize)) {
        result.problem = "damaged: the entry's data runs past the end of the file";
        return result;
    }
    appendDirectory(archive, entry);
    return inflate(archive, maxBytes);
}

} // namespace velkarn
