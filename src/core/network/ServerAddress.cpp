#include "core/network/ServerAddress.h"

#include <algorithm>
#include <arpa/inet.h>
#include <netinet/in.h>

namespace velkarn {

namespace {

std::optional<std::uint16_t> parsePort(const std::string& text) {
    // Five digits at most, so the value cannot overflow before the range check.
    if (text.empty() || text.size() > 5 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int port = std::stoi(text);
    if (port < 1 || port > 65535)
        return std::nullopt;
    return static_cast<std::uint16_t>(port);
}

bool hasBlank(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

bool isIpv6Address(const std::string& host) {
    in6_addr address{};
    return ::inet_pton(AF_INET6, host.c_str(), &address) == 1;
}

// A host name or an IPv4 address: letters, digits, dots, hyphens and underscores.
bool isHostName(const std::string& host) {
    return std::all_of(host.begin(), host.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '.' || c == '-' || c == '_';
    });
}

} // namespace

std::optional<ServerAddress> parseServerAddress(const std::string& text,
                                                std::uint16_t defaultPort) {
    if (text.empty() || hasBlank(text))
        return std::nullopt;
    ServerAddress result{{}, defaultPort};
    std::string portText;
    bool hasPort = false;
    if (text.front() == '[') {
        const auto close = text.find(']');
        if (close == std::string::npos || close == 1)
            return std::nullopt;
        result.host = text.substr(1, close - 1);
        const std::string rest = text.substr(close + 1);
        if (!rest.empty()) {
            if (rest.front() != ':')
                return std::nullopt;
            portText = rest.substr(1);
            hasPort = true;
        }
    } else {
        const auto colon = text.find(':');
        if (colon != std::string::npos && text.find(':', colon + 1) == std::string::npos) {
            result.host = text.substr(0, colon);
            portText = text.substr(colon + 1);
            hasPort = true;
        } else {
            result.host = text; // a name, IPv4, or an IPv6 address without brackets
        }
    }
    const bool ipv6 = text.front() == '[' || result.host.find(':') != std::string::npos;
    if (result.host.empty() || (ipv6 ? !isIpv6Address(result.host) : !isHostName(result.host)))
        return std::nullopt;
    if (hasPort) {
        const auto port = parsePort(portText);
        if (!port)
            return std::nullopt;
        result.port = *port;
    }
    return result;
}

std::string formatServerAddress(const ServerAddress& address) {
    const bool ipv6 = address.host.find(':') != std::string::npos;
    return (ipv6 ? "[" + address.host + "]" : address.host) + ":" + std::to_string(address.port);
}

} // namespace velkarn
