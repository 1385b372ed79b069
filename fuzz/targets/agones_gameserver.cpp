// The answer of Agones' SDK server to GET /gameserver: a GameServer as JSON.

#include "FuzzInput.h"
#include "core/network/AgonesGameServer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    const auto server = parseAgonesGameServer(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (server)
        server->port("game");
    return 0;
}
