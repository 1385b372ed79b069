#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace velkarn {

// The engine's usual server port, taken when an address names none.
constexpr std::uint16_t DefaultServerPort = 27960;

// A server or master as the user writes it: a host name or address, and a port.
struct ServerAddress {
    std::string host; // a name, an IPv4 address or an IPv6 address without brackets
    std::uint16_t port = DefaultServerPort;
    friend bool operator==(const ServerAddress&, const ServerAddress&) = default;
};

// Reads "HOST", "HOST:PORT", "[IPV6]" or "[IPV6]:PORT" (a bare IPv6 address with several colons
// is taken whole, without a port). Nothing for an empty host, a port that is not 1..65535, an
// unclosed bracket, blanks inside, an IPv6 address that is none ("127.0.0.1:1:2"), or a host
// name with anything but letters, digits, ".", "-" and "_".
std::optional<ServerAddress> parseServerAddress(const std::string& text,
                                                std::uint16_t defaultPort = DefaultServerPort);

// "HOST:PORT", with brackets around an IPv6 address.
std::string formatServerAddress(const ServerAddress& address);

} // namespace velkarn
