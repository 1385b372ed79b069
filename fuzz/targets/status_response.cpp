// A server's answer to "getstatus": its settings and players, what the filters read of them,
// and a session's rounds of it kept in the server's history.

#include "FuzzInput.h"
#include "core/network/ServerFilter.h"
#include "core/network/ServerPackets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    auto status = parseStatusResponse(fuzz::asText(data, size));
    if (!status)
        return 0;
    const BuddyList buddies({"^1Ace"});
    LiveServer server{"127.0.0.1:27960", {}, {}, {}, {}, {}};
    server.takeAnswer(&*status, buddies);
    ServerFilter filter;
    filter.hasHumans = filter.hideFull = true;
    filter.search = "ace";
    filter.shows(server);

    // More rounds than the history keeps, answered or silent as the last byte's bits say, each
    // after one to four requests.
    const std::uint8_t pattern = data[size - 1];
    for (int round = 0; round < 20; ++round) {
        const bool answered = ((pattern >> (round % 8)) & 1) != 0;
        const int requests = 1 + (pattern + round) % 4;
        status->requests = requests;
        server.takeAnswer(answered ? &*status : nullptr, buddies, requests);
    }
    if (const auto loss = server.history.lossPercent(); !loss || *loss < 0 || *loss > 100)
        __builtin_trap();
    if (server.history.pings().size() != PingHistory::Rounds)
        __builtin_trap();
    return 0;
}
