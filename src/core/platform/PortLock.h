#pragma once

#include <string>

namespace velkarn {

// A UDP port held by one server of this user for as long as the lock lives: two servers on one
// port would not both answer there (the engine moves on to the next free port without a word),
// so a second one is refused at once. The lock is a file locked with flock in the user's
// runtime folder ($XDG_RUNTIME_DIR/velkarn, else /tmp/velkarn-UID), released by the system when
// the holder ends however it ends.
class PortLock {
public:
    // Takes the port for `owner` (a text the refusal of a second one shows). Throws UserMessage
    // when another holder has it, or another program uses the port already.
    PortLock(int port, const std::string& owner);
    ~PortLock();
    PortLock(const PortLock&) = delete;
    PortLock& operator=(const PortLock&) = delete;

private:
    int fd_ = -1;
};

} // namespace velkarn
