#pragma once

#include "core/network/ServerStatus.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The engine's connectionless packets: four 0xFF bytes, then a command in text.
namespace velkarn {

// UDP carries at most 65,507 bytes; nothing longer is ever read from the socket.
constexpr std::size_t MaxPacketBytes = 65536;

// "getstatus CHALLENGE": the server answers with its settings and players.
std::string statusRequest(std::string_view challenge);
// "getservers PROTOCOL empty full": a master lists the IPv4 servers of that protocol, empty and
// full ones included. The only question id's own master understands.
std::string masterRequest(int protocol);
// "getserversExt Quake3Arena PROTOCOL empty full": the same list with the servers of both address
// families, or of IPv4 alone ("ipv4") when this machine cannot reach IPv6.
std::string extendedMasterRequest(int protocol, bool ipv6Reachable);

// "rcon PASSWORD COMMAND": the server runs the command and sends back what it printed.
std::string remoteConsoleRequest(std::string_view password, std::string_view command);
// The text of a "print" packet, the engine's console output sent back in one or more packets;
// nothing for any other packet.
std::optional<std::string_view> parsePrintPacket(std::string_view packet);

// A status answer: "statusResponse\n", the settings as an info string, then one line a player,
// `score ping "name"`. Nothing for any other packet. Player lines past the limit are dropped.
std::optional<ServerStatus> parseStatusResponse(std::string_view packet);

// One server of a master's list.
struct ListedServer {
    bool ipv6 = false;
    std::array<std::uint8_t, 16> address{}; // network byte order; IPv4 fills the first four
    std::uint16_t port = 0;
    friend bool operator==(const ListedServer&, const ListedServer&) = default;
};

// A master's answer: "getserversResponse" and 6-byte records (four address bytes, the port high
// byte first), each after a "\"; or "getserversExtResponse", whose IPv6 records are 18 bytes
// after a "/". "\EOT" ends the last packet of a list.
struct MasterAnswer {
    std::vector<ListedServer> servers;
    bool extended = false; // an answer to getserversExt
    bool complete = false; // the end mark came
};

// Nothing for a packet that is not a master's answer. Records with port 0, and addresses no
// server can have (unspecified, broadcast, multicast), are left out.
std::optional<MasterAnswer> parseMasterAnswer(std::string_view packet);

} // namespace velkarn
