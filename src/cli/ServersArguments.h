#pragma once

#include "core/network/ServerFilter.h"

#include <cstddef>
#include <string>
#include <vector>

namespace velkarn {

// The options of `servers` that choose which servers are printed.
struct ServersArguments {
    ServerFilter filter;
    bool buddiesOnly = false; // --buddies
};

// Takes the filter option at `i` (and its value); false when it is none. A bad value sets
// `problem`.
bool takeServersOption(const std::vector<std::string>& arguments, std::size_t& i,
                       ServersArguments& servers, std::string& problem);

} // namespace velkarn
