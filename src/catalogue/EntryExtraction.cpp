#include "catalogue/EntryExtraction.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <zip.h>

namespace velkarn {

namespace {

constexpr std::uint32_t LocalHeaderSignature = 0x04034B50;
constexpr std::size_t LocalHeaderSize = 30;

std::uint16_t get16(const std::string& s, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(s[at]) |
                                      static_cast<unsigned char>(s[at + 1]) << 8);
}

std::uint32_t get32(const std::string& s, std::size_t at) {
    return get16(s, at) | static_cast<std::uint32_t>(get16(s, at + 2)) << 16;
}

void put16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

std::string sizeText(std::size_t bytes) {
    if (bytes % (1024 * 1024) == 0)
        return std::to_string(bytes / (1024 * 1024)) + " MiB";
    return std::to_string(bytes) + " bytes";
}

class FileHandle {
public:
    explicit FileHandle(const std::string& path)
        : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~FileHandle() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int fd() const { return fd_; }

    // Appends `size` bytes read at `offset`; false when the file ends first or cannot be read.
    bool readInto(std::string& out, std::uint64_t offset, std::size_t size) const {
        const std::size_t start = out.size();
        out.resize(start + size);
        std::size_t done = 0;
        while (done < size) {
            const ssize_t got = ::pread(fd_, out.data() + start + done, size - done,
                                        static_cast<off_t>(offset + done));
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                return false;
            done += static_cast<std::size_t>(got);
        }
        return true;
    }

private:
    int fd_;
};

// The directory record and end record that make `local` (header and data at offset 0) a
// one-entry archive.
void appendDirectory(std::string& archive, const ZipDirEntry& entry) {
    const auto directoryStart = static_cast<std::uint32_t>(archive.size());
    put32(archive, 0x02014B50);
    put16(archive, static_cast<std::uint32_t>(entry.HostSystem) << 8 | entry.MadeByVersion);
    put16(archive, entry.NeededVersion);
    put16(archive, entry.Flag);
    put16(archive, entry.ComprMethod);
    put32(archive, entry.ModifDateTime);
    put32(archive, entry.CRC32);
    put32(archive, entry.ComprSize);
    put32(archive, entry.UncomprSize);
    put16(archive, 1); // name "e": the entry is opened by index
    put32(archive, 0); // extra field and comment lengths
    put32(archive, 0); // disk, internal attributes
    put32(archive, 0); // external attributes
    put32(archive, 0); // local header offset
    archive += 'e';
    const auto directorySize = static_cast<std::uint32_t>(archive.size()) - directoryStart;
    put32(archive, 0x06054B50);
    put32(archive, 0);
    put16(archive, 1);
    put16(archive, 1);
    put32(archive, directorySize);
    put32(archive, directoryStart);
    put16(archive, 0);
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
    if (entry.UncomprSize > maxBytes || entry.ComprSize > maxBytes + maxBytes / 64 + 4096) {
        result.problem = "larger than " + sizeText(maxBytes) + "; skipped";
        return result;
    }
    const FileHandle file(path);
    if (file.fd() < 0) {
        result.missingArchive = errno == ENOENT;
        result.problem = std::strerror(errno);
        return result;
    }
    const std::uint64_t localStart = archiveStart + entry.RelOffLocalHdr;
    std::string archive;
    archive.reserve(LocalHeaderSize + 512 + entry.ComprSize + 128);
    if (!file.readInto(archive, localStart, LocalHeaderSize) ||
        get32(archive, 0) != LocalHeaderSignature) {
        result.problem = "damaged: no local header where the directory says";
        return result;
    }
    const std::size_t nameAndExtra =
        get16(archive, 26) + static_cast<std::size_t>(get16(archive, 28));
    if (!file.readInto(archive, localStart + LocalHeaderSize, nameAndExtra + entry.ComprSize)) {
        result.problem = "damaged: the entry's data runs past the end of the file";
        return result;
    }
    appendDirectory(archive, entry);
    return inflate(archive, maxBytes);
}

} // namespace velkarn
