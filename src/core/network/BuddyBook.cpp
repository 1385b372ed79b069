#include "core/network/BuddyBook.h"

#include "core/network/ServerAddress.h"
#include "core/setup/PlayerName.h"

namespace velkarn {

BuddyBook::BuddyBook(std::string appDir, QObject* parent)
    : QObject(parent), appDir_(std::move(appDir)) {
}

std::vector<std::string> BuddyBook::read() {
    lastRead_ = readBuddyFile(appDir_);
    list_ = BuddyList(lastRead_.names);
    emit changed();
    return lastRead_.problems;
}

void BuddyBook::save(std::vector<std::string> names) {
    writeBuddyFile(appDir_, names, lastRead_);
    // Written whole: from now on it is the file as Velkarn knows it.
    lastRead_ = {names, {}, true};
    list_ = BuddyList(std::move(names));
    emit changed();
}

void BuddyBook::noteServer(const LiveServer& server) {
    // A server that stayed silent once says nothing of who left: a lost answer must not make
    // a buddy still there "appear" again at the next one.
    if (!server.status)
        return;
    // The same server saved as "127.0.0.1" is found as "127.0.0.1:27960".
    const auto parsed = parseServerAddress(server.address);
    const std::string address = parsed ? formatServerAddress(*parsed) : server.address;
    const std::string hostName = plainName(server.status->hostName());
    const std::vector<std::string>& buddiesOn = server.buddies;
    std::set<std::string> now;
    for (const std::string& buddy : buddiesOn)
        now.insert(foldedName(buddy));
    std::set<std::string> before;
    if (const auto known = seen_.find(address); known != seen_.end())
        before = std::move(known->second);
    // Only servers with buddies are kept, so this stays as small as the buddies' servers.
    if (now.empty())
        seen_.erase(address);
    else
        seen_[address] = now;
    for (const std::string& buddy : buddiesOn)
        if (!before.contains(foldedName(buddy))) {
            before.insert(foldedName(buddy)); // told once, even when two carry the name
            emit buddyAppeared(buddy, hostName, address);
        }
}

} // namespace velkarn
