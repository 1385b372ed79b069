#include "core/content/EntryExtraction.h"

#include <algorithm>
#include <zlib.h>

namespace velkarn {

namespace {

constexpr std::uint32_t LocalHeaderSignature = 0x04034B50;
constexpr std::size_t LocalHeaderSize = 30;
constexpr std::uint16_t Stored = 0;
constexpr std::uint16_t Deflated = 8;
constexpr std::uint16_t EncryptedFlag = 0x0001;

std::string sizeText(std::size_t bytes) {
    constexpr std::size_t MiB = std::size_t{1024} * 1024;
    if (bytes % MiB == 0)
        return std::to_string(bytes / MiB) + " MiB";
    return std::to_string(bytes) + " bytes";
}

ExtractionResult failure(std::string problem) {
    ExtractionResult result;
    result.problem = std::move(problem);
    return result;
}

std::string tooLarge(std::size_t maxBytes) {
    return "larger than " + sizeText(maxBytes) + "; skipped";
}

ExtractionResult success(std::string bytes) {
    ExtractionResult result;
    result.bytes = std::move(bytes);
    return result;
}

// The entry's compressed data: one read takes the local header, its name and extra field as
// the directory gives their sizes, and the data; a local extra field of another size costs a
// second read.
ExtractionResult readData(const ReadOnlyFile& file, std::uint64_t localStart,
                          const ZipDirEntry& entry) {
    const std::size_t guessedHeader =
        LocalHeaderSize + entry.fileNameLength + std::size_t{entry.extraFieldLength};
    std::string bytes(guessedHeader + entry.compressedSize, '\0');
    const long long got = file.readAt(localStart, bytes.data(), bytes.size());
    const auto* header = reinterpret_cast<const unsigned char*>(bytes.data());
    if (got < static_cast<long long>(LocalHeaderSize) || zipGet32(header) != LocalHeaderSignature)
        return failure("damaged: no local header where the directory says");
    const std::size_t headerSize =
        LocalHeaderSize + zipGet16(header + 26) + std::size_t{zipGet16(header + 28)};
    if (headerSize == guessedHeader && static_cast<std::size_t>(got) == bytes.size())
        return success(bytes.substr(headerSize));
    std::string data(entry.compressedSize, '\0');
    if (file.readAt(localStart + headerSize, data.data(), data.size()) !=
        static_cast<long long>(data.size()))
        return failure("damaged: the entry's data runs past the end of the file");
    return success(std::move(data));
}

} // namespace

struct Inflater::Stream {
    z_stream zlib{};
    bool ready = false;
};

Inflater::Inflater() : stream_(std::make_unique<Stream>()) {
}

Inflater::~Inflater() {
    if (stream_->ready)
        inflateEnd(&stream_->zlib);
}

ExtractionResult Inflater::inflate(std::string_view compressed, std::size_t expected,
                                   std::size_t maxBytes) {
    z_stream& zlib = stream_->zlib;
    const bool ready =
        stream_->ready ? inflateReset(&zlib) == Z_OK : inflateInit2(&zlib, -MAX_WBITS) == Z_OK;
    if (!ready)
        return failure("out of memory");
    stream_->ready = true;
    // The output grows as the data proves it needs room, so a directory that lies about the
    // size costs nothing beyond the limit; one byte past the limit tells an entry that is too
    // large from one that just fits.
    std::string out(std::max<std::size_t>(std::min(expected, maxBytes), 1), '\0');
    zlib.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    zlib.avail_in = static_cast<uInt>(compressed.size());
    for (;;) {
        zlib.next_out = reinterpret_cast<Bytef*>(out.data()) + zlib.total_out;
        zlib.avail_out = static_cast<uInt>(out.size() - zlib.total_out);
        const int status = ::inflate(&zlib, Z_NO_FLUSH);
        if (status == Z_STREAM_END)
            break;
        if (status != Z_OK && status != Z_BUF_ERROR)
            return failure(std::string("damaged: ") +
                           (zlib.msg ? zlib.msg : "bad compressed data"));
        if (zlib.avail_out > 0)
            return failure("damaged: the compressed data ends early");
        if (out.size() > maxBytes)
            return failure(tooLarge(maxBytes));
        out.resize(std::min(out.size() * 2, maxBytes + 1));
    }
    if (zlib.total_out > maxBytes)
        return failure(tooLarge(maxBytes));
    out.resize(zlib.total_out);
    return success(std::move(out));
}

ExtractionResult extractEntry(const ReadOnlyFile& file, std::uint64_t archiveStart,
                              const ZipDirEntry& entry, std::size_t maxBytes, Inflater& inflater) {
    // Deflate never grows data by more than a few bytes per block, so a compressed size far
    // above the limit cannot hold an entry within it.
    if (entry.uncompressedSize > maxBytes || entry.compressedSize > maxBytes + maxBytes / 64 + 4096)
        return failure(tooLarge(maxBytes));
    if (entry.flags & EncryptedFlag)
        return failure("encrypted; the game cannot read it either");
    if (entry.compressionMethod != Stored && entry.compressionMethod != Deflated)
        return failure("compression method " + std::to_string(entry.compressionMethod) +
                       " is not supported; the game reads stored and deflated entries only");

    ExtractionResult result = readData(file, archiveStart + entry.localHeaderOffset, entry);
    if (result.bytes && entry.compressionMethod == Deflated)
        result = inflater.inflate(*result.bytes, entry.uncompressedSize, maxBytes);
    if (!result.bytes)
        return result;
    if (result.bytes->size() != entry.uncompressedSize)
        return failure("damaged: " + std::to_string(result.bytes->size()) +
                       " bytes where the directory says " + std::to_string(entry.uncompressedSize));
    const auto* bytes = reinterpret_cast<const Bytef*>(result.bytes->data());
    if (crc32(0, bytes, static_cast<uInt>(result.bytes->size())) != entry.crc)
        return failure("damaged: CRC error");
    return result;
}

} // namespace velkarn
