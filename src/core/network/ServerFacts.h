#pragma once

#include "core/network/ServerStatus.h"

#include <string>

namespace velkarn {

// What the server filters ask of an answer, read once when it comes rather than at every
// keystroke.
struct ServerFacts {
    int humans = 0;
    int bots = 0;
    int maxPlayers = 0;
    bool needsPassword = false; // "g_needpass"
    int gameType = -1;          // "g_gametype"; -1 when missing or not a number
    std::string gameName;       // "gamename", folded
    std::string modFolder;      // "fs_game", folded
    // The host name, the map and every player's name, folded (foldedName), one a line.
    std::string searchText;

    int players() const { return humans + bots; }
};

ServerFacts factsOf(const ServerStatus& status);

} // namespace velkarn
