#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What a demo tells of its match without being played.
namespace velkarn {

struct DemoFacts {
    std::string map;
    int gameType = 0;                // g_gametype of the server
    int protocol = 0;                // the network protocol the demo was recorded with
    std::string hostName;            // sv_hostname, colour codes kept
    std::string mod;                 // fs_game of the server; empty for the base game
    std::string recorder;            // the recording player's name, colour codes kept
    std::vector<std::string> others; // the other players, spectators left out
    std::int64_t lengthMs = -1;      // from the first picture of the game to the last; -1 unknown
};

enum class DemoReadStatus { Ok, NotFound, CantRead, Damaged };

struct DemoRead {
    DemoReadStatus status = DemoReadStatus::Ok;
    std::string problem; // why the facts are missing, for the windows and the command line
    DemoFacts facts;
};

} // namespace velkarn
