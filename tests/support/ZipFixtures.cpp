#include "support/ZipFixtures.h"

#include <stdexcept>
#include <zip.h>

namespace velkarn::test {

namespace {

std::uint32_t crc32Of(const std::string& data) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : data) {
        const auto byte = static_cast<unsigned char>(c);
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void put16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

} // namespace

std::string writeZip(const std::string& path, const EntryList& entries, bool store) {
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        throw std::runtime_error("cannot create " + path);
    for (const auto& [name, content] : entries) {
        zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
        const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_RAW);
        if (index < 0)
            throw std::runtime_error("cannot add " + name);
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                                 store ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0);
    }
    if (zip_close(archive) != 0)
        throw std::runtime_error("cannot write " + path);
    return path;
}

std::string rawZip(const std::vector<RawEntry>& entries, const RawZipParts& parts) {
    std::string body;
    std::string directory;
    for (const auto& entry : entries) {
        const std::uint32_t crc = crc32Of(entry.data) ^ (entry.badCrc ? 1u : 0u);
        const auto size = static_cast<std::uint32_t>(entry.data.size());
        const auto offset = static_cast<std::uint32_t>(body.size());
        put32(body, 0x04034B50);
        put16(body, 20);
        put16(body, entry.flags);
        put16(body, 0); // stored
        put32(body, 0); // time and date
        put32(body, crc);
        put32(body, size);
        put32(body, size);
        put16(body, static_cast<std::uint32_t>(entry.name.size()));
        put16(body, 0);
        body += entry.name + entry.data;

        put32(directory, 0x02014B50);
        put16(directory, static_cast<std::uint32_t>(entry.host) << 8 | entry.version);
        put16(directory, 20);
        put16(directory, entry.flags);
        put16(directory, 0);
        put32(directory, 0);
        put32(directory, crc);
        put32(directory, size);
        put32(directory, size);
        put16(directory, static_cast<std::uint32_t>(entry.name.size()));
        put32(directory, 0); // extra and comment lengths
        put32(directory, 0); // disk, internal attributes
        put32(directory, 0); // external attributes
        put32(directory, offset);
        directory += entry.name;
    }
    std::string end;
    put32(end, 0x06054B50);
    put32(end, 0);
    put16(end, static_cast<std::uint32_t>(entries.size()));
    put16(end, static_cast<std::uint32_t>(entries.size()));
    put32(end, static_cast<std::uint32_t>(directory.size()));
    put32(end, static_cast<std::uint32_t>(body.size()));
    put16(end, static_cast<std::uint32_t>(parts.comment.size()));
    return parts.prefix + body + directory + end + parts.comment + parts.trailer;
}

std::vector<int> MessageLog::numbers() const {
    std::vector<int> result;
    for (const auto& message : messages)
        result.push_back(message.number);
    return result;
}

} // namespace velkarn::test
