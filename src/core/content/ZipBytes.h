#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Little-endian fields of the zip format and plain positioned reads of an archive file.
namespace velkarn {

inline std::uint16_t zipGet16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

inline std::uint32_t zipGet32(const unsigned char* p) {
    return zipGet16(p) | static_cast<std::uint32_t>(zipGet16(p + 2)) << 16;
}

// An archive opened for reading; closed with the object. It is looked at once when opened.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const std::string& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    int openError() const { return openError_; } // errno of a failed open
    // A plain file, not a folder or a device; false when the file is not open.
    bool isRegular() const { return regular_; }
    // The file's size when it was opened, or -1.
    long long size() const { return size_; }
    // Reads up to `size` bytes at `offset` (fewer only at the end of the file); -1 on a read
    // error, with errno set.
    long long readAt(std::uint64_t offset, void* into, std::size_t size) const;

private:
    int fd_;
    int openError_ = 0;
    bool regular_ = false;
    long long size_ = -1;
};

} // namespace velkarn
