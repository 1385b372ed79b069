#include "core/network/LiveServer.h"

namespace velkarn {

void LiveServer::takeAnswer(const ServerStatus* answer, const BuddyList& buddyList) {
    status = answer ? std::optional<ServerStatus>(*answer) : std::nullopt;
    facts = answer ? factsOf(*answer) : ServerFacts{};
    findBuddies(buddyList);
    history.record(answer ? std::optional<int>(answer->pingMs) : std::nullopt);
}

void LiveServer::findBuddies(const BuddyList& buddyList) {
    buddies = status ? buddyList.buddiesAmong(status->players) : std::vector<std::string>{};
}

} // namespace velkarn
