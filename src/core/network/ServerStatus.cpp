#include "core/network/ServerStatus.h"

#include "core/platform/NoCase.h"
#include "core/setup/PlayerName.h"

#include <array>
#include <cstddef>

namespace velkarn {

namespace {

// Numbers in settings are read by hand: a lying server may send any text, and the standard
// conversions throw or overflow on it.
int boundedNumber(const std::string& text, int limit) {
    if (text.empty() || text.size() > 9)
        return 0;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
    }
    return value > limit ? limit : value;
}

// Real servers have at most 64 slots; larger values are shown as this, not as sent.
constexpr int MaxPlayerSlots = 4096;

} // namespace

std::string ServerStatus::hostName() const {
    const std::string name = infoValue(settings, "sv_hostname");
    return name.empty() ? infoValue(settings, "hostname") : name;
}

std::string ServerStatus::map() const {
    return infoValue(settings, "mapname");
}

std::string ServerStatus::gameType() const {
    return gameTypeName(infoValue(settings, "g_gametype"));
}

int ServerStatus::maxPlayers() const {
    return boundedNumber(infoValue(settings, "sv_maxclients"), MaxPlayerSlots);
}

int ServerStatus::privateSlots() const {
    return boundedNumber(infoValue(settings, "sv_privateClients"), MaxPlayerSlots);
}

std::string ServerStatus::playersText() const {
    return std::to_string(playerCount()) + "/" + std::to_string(maxPlayers());
}

std::string gameTypeName(const std::string& number) {
    // The four a setup plays are named as its pages name them (gameTypeText).
    static const std::array<const char*, 13> names{
        "Deathmatch",       "Tournament",      "Single Player",     "Team Deathmatch",
        "Capture The Flag", "One Flag CTF",    "Overload",          "Harvester",
        "Elimination",      "CTF Elimination", "Last Man Standing", "Double Domination",
        "Domination"};
    if (number.empty() || number.size() > 2)
        return number;
    const int value = boundedNumber(number, 99);
    const bool digits = number.find_first_not_of("0123456789") == std::string::npos;
    return digits && value < static_cast<int>(names.size()) ? names[static_cast<std::size_t>(value)]
                                                            : number;
}

std::string foldedName(const std::string& codedName) {
    const std::string plain = plainName(codedName);
    const std::size_t first = plain.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return toLower(std::string_view(plain).substr(first, plain.find_last_not_of(' ') - first + 1));
}

} // namespace velkarn
