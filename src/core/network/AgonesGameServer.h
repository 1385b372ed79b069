#pragma once

#include <QByteArray>
#include <optional>
#include <string>
#include <vector>

namespace velkarn {

// What the SDK server's GET /gameserver says of this game server that serve needs: its name
// and state for the log, and its ports (with portPolicy Passthrough, the port the engine must
// listen on).
struct AgonesGameServer {
    struct Port {
        std::string name;
        int port = 0;
    };
    std::string name;
    std::string state;
    std::string address;
    std::vector<Port> ports;

    // The port named `portName`, else the first one; 0 when there is none in 1..65535.
    int port(const std::string& portName) const;
};

// The answer's JSON (fields as the SDK's REST gateway names them: "object_meta" or "objectMeta",
// "status" with "state", "address" and "ports"). Nothing when it is no JSON object; texts are
// cut to 253 bytes, and at most 64 ports are read.
std::optional<AgonesGameServer> parseAgonesGameServer(const QByteArray& json);

} // namespace velkarn
