#pragma once

#include "core/network/InfoString.h"

#include <string>
#include <string_view>
#include <vector>

namespace velkarn {

// One line of a status answer: a player on the server.
struct PlayerLine {
    int score = 0;
    int ping = 0;
    std::string name;     // with the game's color codes
    bool botMark = false; // the line says "[bot]" after the name, as some engines write

    // Bots have no network to measure, so the engine reports their ping as 0; engines that
    // mark their bots say so outright.
    bool isBot() const { return botMark || ping == 0; }
};

// What a server said of itself: its settings and its players, and how long the answer took.
struct ServerStatus {
    InfoPairs settings;
    std::vector<PlayerLine> players;
    int pingMs = 0;
    int requests = 1; // the round's requests: the answer came to the last of them

    // The host name with color codes ("sv_hostname", or "hostname" as some engines send it).
    std::string hostName() const;
    std::string map() const;
    // The game type's name, or the number as sent for one the program does not know.
    std::string gameType() const;
    // "sv_maxclients", 0 when missing or not a number.
    int maxPlayers() const;
    // The slots kept for players with the private password (sv_privateClients).
    int privateSlots() const;
    int playerCount() const { return static_cast<int>(players.size()); }
    // "3/16".
    std::string playersText() const;
};

// The name of a "g_gametype" number: Quake III's five, Team Arena's three and OpenArena's.
std::string gameTypeName(const std::string& number);

// A name as names are compared: without color codes and blanks around it, ASCII letters in lower
// case ("^1Ace " and "ace" are one name).
std::string foldedName(const std::string& codedName);

} // namespace velkarn
