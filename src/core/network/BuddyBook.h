#pragma once

#include "core/network/BuddyFile.h"
#include "core/network/BuddyList.h"
#include "core/network/LiveServer.h"

#include <QObject>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace velkarn {

// The buddy list of a run, kept in buddies.txt; every server list follows its changes. It also
// keeps who was seen where, so that a buddy coming onto a server is told once, whichever list
// asked the server.
class BuddyBook : public QObject {
    Q_OBJECT
public:
    explicit BuddyBook(std::string appDir, QObject* parent = nullptr);

    // Reads buddies.txt; returns the problems found (see readBuddyFile).
    std::vector<std::string> read();
    const BuddyList& list() const { return list_; }
    // Saves `names` as the buddy list. Throws as writeBuddyFile does; nothing changes then.
    void save(std::vector<std::string> names);

    // Notes the buddies on a server at its latest answer; tells buddyAppeared of each one who
    // was not on it at the answer before. A server without an answer changes nothing.
    void noteServer(const LiveServer& server);

signals:
    void changed();
    // `buddy` as the server names it; `hostName` without color codes.
    void buddyAppeared(const std::string& buddy, const std::string& hostName,
                       const std::string& address);

private:
    std::map<std::string, std::set<std::string>> seen_; // address -> folded names
    std::string appDir_;
    BuddyFileRead lastRead_;
    BuddyList list_;
};

} // namespace velkarn
