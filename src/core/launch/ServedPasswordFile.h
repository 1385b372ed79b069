#pragma once

#include <cstdint>
#include <string>

namespace velkarn {

// The remote console password file of the setup served on this machine at `port`, as its
// configs/<name>.server names it (made absolute from the configs folder), so the remote console
// need not ask for what Velkarn itself keeps. Empty for a host that is not this machine's
// loopback, when no setup serves there with such a file, or when several setups do with
// different files (which one runs cannot be told). Setup option files that cannot be read are
// passed over: serving them says what is wrong.
std::string servedRconPasswordFile(const std::string& setupFolder, const std::string& host,
                                   std::uint16_t port);

} // namespace velkarn
