#include "core/network/ServerPackets.h"

#include "core/platform/PrintableText.h"

#include <algorithm>
#include <cctype>

namespace velkarn {

namespace {

constexpr std::string_view OutOfBand = "\xff\xff\xff\xff";
constexpr std::string_view StatusCommand = "statusResponse";
constexpr std::string_view MasterCommand = "getserversResponse";
constexpr std::string_view ExtendedMasterCommand = "getserversExtResponse";
// The name ioquake3 and its offspring (OpenArena among them) give the masters for this game.
constexpr std::string_view MasterGameName = "Quake3Arena";
constexpr std::string_view PrintCommand = "print\n";

// The engine has at most 64 clients (MAX_CLIENTS); modified engines go higher, but no server
// has more than 256. Further lines are a lying server's and are dropped unread.
constexpr std::size_t MaxPlayerLines = 256;
// MAX_NAME_LENGTH is 32 in the engine; names beyond 128 bytes are cut.
constexpr std::size_t MaxPlayerName = 128;
// The engine's client keeps at most MAX_SERVERSPERPACKET (256) records of one packet.
constexpr std::size_t MaxRecordsPerPacket = 256;
// Scores and pings are shown as numbers; wilder values are clamped to this.
constexpr long MaxLineNumber = 999999;

// The command of a connectionless packet, or nothing.
std::optional<std::string_view> commandBody(std::string_view packet, std::string_view command) {
    packet = packet.substr(0, MaxPacketBytes);
    if (!packet.starts_with(OutOfBand))
        return std::nullopt;
    packet.remove_prefix(OutOfBand.size());
    if (!packet.starts_with(command))
        return std::nullopt;
    return packet.substr(command.size());
}

// Reads an optionally signed whole number and skips the blanks after it; clamped, never throws.
long readNumber(std::string_view& text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    long value = 0;
    while (!text.empty() && text.front() >= '0' && text.front() <= '9') {
        value = std::min(value * 10 + (text.front() - '0'), MaxLineNumber);
        text.remove_prefix(1);
    }
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return negative ? -value : value;
}

// What follows a player's quoted name: "[bot]" (or "bot") where the engine marks its bots.
bool saysBot(std::string_view rest) {
    std::string word;
    for (char c : rest)
        if (c != ' ' && c != '[' && c != ']' && c != '(' && c != ')')
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return word == "bot";
}

PlayerLine parsePlayerLine(std::string_view line) {
    PlayerLine player;
    player.score = static_cast<int>(readNumber(line));
    player.ping = static_cast<int>(readNumber(line));
    std::string_view rest;
    if (!line.empty() && line.front() == '"') {
        line.remove_prefix(1);
        const std::size_t close = std::min(line.find('"'), line.size());
        rest = line.substr(std::min(close + 1, line.size()));
        line = line.substr(0, close);
    }
    player.name = printableText(line.substr(0, MaxPlayerName));
    player.botMark = rest.size() <= MaxPlayerName && saysBot(rest);
    return player;
}

bool usableAddress(const ListedServer& server) {
    const auto& bytes = server.address;
    if (server.ipv6)
        return bytes[0] != 0xFF &&
               std::any_of(bytes.begin(), bytes.end(), [](auto b) { return b; });
    const bool unspecified = bytes[0] == 0 && bytes[1] == 0 && bytes[2] == 0 && bytes[3] == 0;
    const bool broadcast =
        bytes[0] == 0xFF && bytes[1] == 0xFF && bytes[2] == 0xFF && bytes[3] == 0xFF;
    return !unspecified && !broadcast && !(bytes[0] >= 224 && bytes[0] <= 239);
}

// One record after its mark: the address bytes, then the port high byte first.
ListedServer readRecord(std::string_view record, bool ipv6) {
    ListedServer server;
    server.ipv6 = ipv6;
    const std::size_t length = ipv6 ? 16 : 4;
    const auto byte = [&record](std::size_t i) { return static_cast<std::uint8_t>(record[i]); };
    for (std::size_t i = 0; i < length; ++i)
        server.address[i] = byte(i);
    server.port = static_cast<std::uint16_t>((byte(length) << 8) | byte(length + 1));
    return server;
}

} // namespace

std::string statusRequest(std::string_view challenge) {
    return std::string(OutOfBand) + "getstatus " + std::string(challenge);
}

std::string masterRequest(int protocol) {
    return std::string(OutOfBand) + "getservers " + std::to_string(protocol) + " empty full";
}

std::string extendedMasterRequest(int protocol, bool ipv6Reachable) {
    return std::string(OutOfBand) + "getserversExt " + std::string(MasterGameName) + " " +
           std::to_string(protocol) + " empty full" + (ipv6Reachable ? "" : " ipv4");
}

std::string remoteConsoleRequest(std::string_view password, std::string_view command) {
    return std::string(OutOfBand) + "rcon " + std::string(password) + " " + std::string(command);
}

std::optional<std::string_view> parsePrintPacket(std::string_view packet) {
    return commandBody(packet, PrintCommand);
}

std::optional<ServerStatus> parseStatusResponse(std::string_view packet) {
    auto body = commandBody(packet, StatusCommand);
    if (!body || (!body->empty() && body->front() != '\n'))
        return std::nullopt;
    std::string_view rest = body->empty() ? *body : body->substr(1);
    ServerStatus status;
    const std::size_t infoEnd = std::min(rest.find('\n'), rest.size());
    status.settings = parseInfoString(rest.substr(0, infoEnd));
    rest.remove_prefix(std::min(infoEnd + 1, rest.size()));
    while (!rest.empty() && status.players.size() < MaxPlayerLines) {
        const std::size_t lineEnd = std::min(rest.find('\n'), rest.size());
        if (lineEnd > 0)
            status.players.push_back(parsePlayerLine(rest.substr(0, lineEnd)));
        rest.remove_prefix(std::min(lineEnd + 1, rest.size()));
    }
    return status;
}

std::optional<MasterAnswer> parseMasterAnswer(std::string_view packet) {
    MasterAnswer answer;
    auto body = commandBody(packet, MasterCommand);
    if (!body) {
        body = commandBody(packet, ExtendedMasterCommand);
        answer.extended = true;
    }
    if (!body)
        return std::nullopt;
    std::string_view rest = *body;
    constexpr std::size_t Ipv4RecordBytes = 6;
    constexpr std::size_t Ipv6RecordBytes = 18;
    while (!rest.empty() && answer.servers.size() < MaxRecordsPerPacket) {
        const bool ipv6 = answer.extended && rest.front() == '/';
        const std::size_t recordBytes = ipv6 ? Ipv6RecordBytes : Ipv4RecordBytes;
        if ((!ipv6 && rest.front() != '\\') || rest.size() <= recordBytes)
            break;
        rest.remove_prefix(1);
        // The end mark fills the packet's last record ("\EOT\0\0\0"); a record that merely
        // starts with those bytes has more records after it.
        if (!ipv6 && rest.starts_with("EOT") && rest.size() <= Ipv4RecordBytes) {
            answer.complete = true;
            break;
        }
        const ListedServer server = readRecord(rest, ipv6);
        if (server.port != 0 && usableAddress(server))
            answer.servers.push_back(server);
        rest.remove_prefix(recordBytes);
    }
    // A lone "\EOT" with fewer bytes than a record after it still ends the list.
    if (rest.starts_with("\\EOT"))
        answer.complete = true;
    return answer;
}

} // namespace velkarn
