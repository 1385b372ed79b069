#include "core/network/LiveServer.h"

namespace velkarn {

void LiveServer::takeAnswer(const ServerStatus* answer, const BuddyList& buddyList,
                            int silentRequests) {
    status = answer ? std::optional<ServerStatus>(*answer) : std::nullopt;
    facts = answer ? factsOf(*answer) : ServerFacts{};
    findBuddies(buddyList);
    if (answer)
        history.record(answer->pingMs, answer->requests);
    else
        history.record(std::nullopt, silentRequests);
}

void LiveServer::findBuddies(const BuddyList& buddyList) {
    buddies = status ? buddyList.buddiesAmong(status->players) : std::vector<std::string>{};
}

} // namespace velkarn
