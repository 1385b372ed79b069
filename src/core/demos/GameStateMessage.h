#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>

// The messages of a demo's blocks: the first holds the game state the server sent on connect,
// later ones the server's commands and pictures of the game ("snapshots").
namespace velkarn {

constexpr int ServerInfoString = 0;
constexpr int SystemInfoString = 1;
constexpr int FirstPlayerString = 544;
constexpr int MaxPlayers = 64;

struct GameState {
    // The configuration strings a demo's facts come from: server and system info, players.
    std::map<int, std::string> strings;
    int clientNum = -1; // the recording player's slot
};

// The game state of a first block; nothing when the message is not one or does not decode
// (damaged, or packed with another code).
std::optional<GameState> parseGameState(std::span<const std::uint8_t> message);

// The server time (ms) of the first snapshot in a later block, applying the configuration
// strings its server commands change to `state` on the way; nothing when it holds none.
std::optional<std::int32_t> parseSnapshotTime(std::span<const std::uint8_t> message,
                                              GameState* state);

} // namespace velkarn
