#pragma once

#include "core/network/BuddyList.h"
#include "core/network/CountryDatabase.h"
#include "core/network/PingHistory.h"
#include "core/network/ServerFacts.h"
#include "core/network/ServerStatus.h"

#include <optional>
#include <string>
#include <vector>

namespace velkarn {

// A server as the server lists show it: where it is, what it last said of itself, what the
// filters ask of that, and which buddies are on it.
struct LiveServer {
    std::string address;                // "HOST:PORT", or as the user saved it
    std::optional<ServerStatus> status; // nothing until it answers, or after it fell silent
    ServerFacts facts;
    std::vector<std::string> buddies; // as buddiesAmong names them
    PingHistory history;              // the rounds it was asked in
    std::optional<Country> country;   // where it stands, when its address is known

    // Takes a server's latest answer, a round of its history; nullptr when it stayed silent
    // through `silentRequests` requests.
    void takeAnswer(const ServerStatus* answer, const BuddyList& buddyList, int silentRequests = 1);
    // Looks for buddies again, after the list changed.
    void findBuddies(const BuddyList& buddyList);
};

} // namespace velkarn
