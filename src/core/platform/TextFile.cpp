#include "core/platform/TextFile.h"

#include "core/platform/Errors.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velkarn {

namespace {

[[noreturn]] void raiseWriteError(const std::string& path, WriteErrorKind kind, int err) {
    if (kind == WriteErrorKind::FileCreate)
        throw FileCreateError(path);
    throw InOutError(InOutError::codeFromErrno(err));
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// New files get the usual permissions (0666 less the umask); a replaced file keeps its own.
mode_t modeFor(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

const std::string& lineAt(const Lines& lines, std::size_t i) {
    static const std::string empty;
    return i < lines.size() ? lines[i] : empty;
}

Lines splitLines(const std::string& text) {
    Lines lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.emplace_back(text, start, i - start);
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.emplace_back(text, start);
    return lines;
}

std::string joinLines(const Lines& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

namespace {

// A file open for reading, closed however the reading ends.
class OpenFile {
public:
    // Not blocking: opening a named pipe would otherwise wait for a writer for ever. Only a
    // regular file is read; anything else is refused at once.
    explicit OpenFile(const std::string& path)
        : path_(path), fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {
        if (fd_ < 0)
            throw FileOpenError(path);
        if (::fstat(fd_, &stat_) != 0) {
            ::close(fd_);
            throw FileOpenError(path);
        }
        if (!S_ISREG(stat_.st_mode)) {
            ::close(fd_);
            throw FileOpenError(path, "it is not a regular file");
        }
    }
    ~OpenFile() { ::close(fd_); }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    long long size() const { return stat_.st_size; }

    // The bytes from `offset` to the end, `maxBytes` at the most.
    std::string read(unsigned long long offset, std::size_t maxBytes) const {
        std::string bytes;
        // Room for what the file holds now (and a byte to see it grown) is made once: growing
        // the text piece by piece would copy a large file many times over.
        const auto size = static_cast<unsigned long long>(stat_.st_size);
        bytes.reserve(static_cast<std::size_t>(
            std::min<unsigned long long>(maxBytes, size > offset ? size - offset + 1 : 0)));
        char buffer[65536];
        auto at = static_cast<off_t>(offset);
        while (bytes.size() < maxBytes) {
            const std::size_t want = std::min(sizeof buffer, maxBytes - bytes.size());
            const ssize_t n = ::pread(fd_, buffer, want, at);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                throw FileOpenError(path_);
            if (n == 0)
                break;
            bytes.append(buffer, static_cast<std::size_t>(n));
            at += n;
        }
        return bytes;
    }

private:
    std::string path_;
    int fd_;
    struct stat stat_ {};
};

} // namespace

std::string readFileBytes(const std::string& path) {
    const OpenFile file(path);
    const auto limit = static_cast<std::size_t>(MaxTextFileBytes);
    if (file.size() > MaxTextFileBytes)
        throw FileOpenError(path, "it is larger than any file Velkarn writes");
    std::string bytes = file.read(0, limit + 1);
    if (bytes.size() > limit) // grew while being read
        throw FileOpenError(path, "it is larger than any file Velkarn writes");
    return bytes;
}

std::string readFileRange(const std::string& path, unsigned long long offset,
                          std::size_t maxBytes) {
    return OpenFile(path).read(offset, maxBytes);
}

Lines readTextFile(const std::string& path) {
    return splitLines(readFileBytes(path));
}

void writeFileAtomic(const std::string& path, const std::string& bytes, WriteErrorKind kind,
                     FileAccess access) {
    // A read-only file stays protected although replacing it by rename would be allowed.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0)
        raiseWriteError(path, kind, errno);
    std::string temp = folderOf(path) + "/.velkarn-XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        raiseWriteError(path, kind, errno);
    auto fail = [&](int err) {
        ::close(fd);
        ::unlink(temp.c_str());
        raiseWriteError(path, kind, err);
    };
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(errno);
        done += static_cast<std::size_t>(n);
    }
    // The temporary file is the owner's alone from its creation, so a secret is never readable.
    const mode_t mode = access == FileAccess::OwnerOnly ? 0600 : modeFor(path);
    if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0)
        fail(errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        raiseWriteError(path, kind, err);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        raiseWriteError(path, kind, err);
    }
}

void writeFileIfChanged(const std::string& path, const std::string& bytes) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
        static_cast<unsigned long long>(st.st_size) == bytes.size()) {
        try {
            if (readFileBytes(path) == bytes)
                return;
        } catch (const FileOpenError&) {
        }
    }
    writeFileAtomic(path, bytes);
}

void writeTextFile(const std::string& path, const Lines& lines, WriteErrorKind kind,
                   FileAccess access) {
    writeFileAtomic(path, joinLines(lines), kind, access);
}

} // namespace velkarn
