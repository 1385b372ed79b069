// A server's answer to "getstatus": its settings and players, and what the filters read of them.

#include "FuzzInput.h"
#include "core/network/ServerFilter.h"
#include "core/network/ServerPackets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    const auto status = parseStatusResponse(fuzz::asText(data, size));
    if (!status)
        return 0;
    LiveServer server{"127.0.0.1:27960", {}, {}, {}, {}, {}};
    server.takeAnswer(&*status, BuddyList({"^1Ace"}));
    ServerFilter filter;
    filter.hasHumans = filter.hideFull = true;
    filter.search = "ace";
    filter.shows(server);
    return 0;
}
