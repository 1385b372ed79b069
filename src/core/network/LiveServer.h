#pragma once

#include "core/network/ServerStatus.h"

#include <optional>
#include <string>

namespace velkarn {

// A server as the server lists show it: where it is and what it last said of itself.
struct LiveServer {
    std::string address;                // "HOST:PORT", or as the user saved it
    std::optional<ServerStatus> status; // nothing until it answers, or after it fell silent
};

} // namespace velkarn
