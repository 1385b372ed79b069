#include "core/content/ZipBytes.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velkarn {

// O_NONBLOCK: a named pipe called *.pk3 must not hang the search; it is no regular file and is
// passed over. Reads of regular files never block on it.
ReadOnlyFile::ReadOnlyFile(const std::string& path)
    : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {
    if (fd_ < 0) {
        openError_ = errno;
        return;
    }
    struct stat st {};
    if (::fstat(fd_, &st) == 0) {
        regular_ = S_ISREG(st.st_mode);
        size_ = static_cast<long long>(st.st_size);
    }
}

ReadOnlyFile::~ReadOnlyFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

long long ReadOnlyFile::readAt(std::uint64_t offset, void* into, std::size_t size) const {
    auto* bytes = static_cast<char*>(into);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got =
            ::pread(fd_, bytes + done, size - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return static_cast<long long>(done);
}

} // namespace velkarn
