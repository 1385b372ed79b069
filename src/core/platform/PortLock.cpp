#include "core/platform/PortLock.h"

#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/PrintableText.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velkarn {

namespace {

// The user's own folder for it: one another user made in /tmp is not taken.
std::string lockFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string folder = runtime && *runtime ? withTrailingSlash(runtime) + "velkarn/"
                                             : "/tmp/velkarn-" + std::to_string(::getuid()) + "/";
    createFolder(folder);
    struct stat state {};
    if (::lstat(folder.c_str(), &state) != 0 || !S_ISDIR(state.st_mode) ||
        state.st_uid != ::getuid() || ::chmod(folder.c_str(), 0700) != 0)
        throw UserMessage("Cannot lock the port in " + folder + ": it is no folder of yours.");
    return folder;
}

// Another program (or another user's server) bound the port: the engine would quietly take
// the next one.
bool portInUse(int port) {
    const int socket = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    const bool inUse =
        ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 &&
        errno == EADDRINUSE;
    ::close(socket);
    return inUse;
}

std::string holderOf(int fd) {
    char text[256] = {};
    const ssize_t read = ::pread(fd, text, sizeof text - 1, 0);
    return read > 0 ? printableText(std::string(text, static_cast<std::size_t>(read))) : "";
}

} // namespace

PortLock::PortLock(int port, const std::string& owner) {
    const std::string path = lockFolder() + "serve-" + std::to_string(port) + ".lock";
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0)
        throw UserMessage("Cannot lock the port " + std::to_string(port) + " (" + path + ").");
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const std::string holder = holderOf(fd_);
        ::close(fd_);
        throw UserMessage("The port " + std::to_string(port) + " is served already" +
                          (holder.empty() ? "" : " by " + holder) +
                          "; give this server another one (--port).");
    }
    if (portInUse(port)) {
        ::close(fd_);
        throw UserMessage("The port " + std::to_string(port) +
                          " is in use by another program; give this server another one "
                          "(--port).");
    }
    // Only for the refusal of a second server: a lock without it still holds.
    const std::string text = owner + ", process " + std::to_string(::getpid());
    if (::ftruncate(fd_, 0) == 0 && ::pwrite(fd_, text.data(), text.size(), 0) < 0)
        return;
}

PortLock::~PortLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace velkarn
