#pragma once

#include "cli/ClusterArguments.h"
#include "core/network/AgonesLifecycle.h"

#include <optional>
#include <ostream>
#include <string>

namespace velkarn {

// The SDK server's port when serve speaks Agones' SDK: with --agones-sdk, or whenever
// AGONES_SDK_HTTP_PORT is set (Agones sets it in every GameServer's Pod); nothing otherwise.
// Throws UserMessage when AGONES_SDK_HTTP_PORT is no port number.
std::optional<int> agonesSdkPortFor(const ClusterArguments& cluster, const char* environmentValue);

// Asks the SDK server for this GameServer, running the event loop until it answers, and says
// which it is on `err`. Returns the port Agones gave the game (0 when it gave none). Throws
// UserMessage when the SDK server never came, or, when `portNeeded` (no --port: Passthrough),
// never gave a port.
int findAgonesGamePort(AgonesLifecycle& lifecycle, bool portNeeded, std::ostream& err);

} // namespace velkarn
