#pragma once

#include <optional>
#include <string_view>

namespace velkarn {

// The protocol a demo's file name gives: the digits after its last ".dm_", which the engine
// reads to know how to play it ("flyby.dm_71" is 71). None when the name does not end so, or
// its number is too large to be one.
std::optional<int> demoNameProtocol(std::string_view name);

} // namespace velkarn
