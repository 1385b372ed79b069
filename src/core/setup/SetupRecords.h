#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The in-memory setup: the offline rotation where every map carries its own bot roster, the
// catalogue of map files, the saved servers, the server rotation and the player models.
// Records are value-initialised (numbers 0, texts empty); lists own them.
namespace velkarn {

constexpr int MaxRosterSlots = 32;
constexpr int MaxModelSkins = 16;

struct RosterBot {
    std::string name;
    std::int32_t skill = 0; // 1 "I Can Win" .. 5 "Nightmare"
    std::string team;       // "Blue", "Red", "None" or empty
};

// One map of the offline rotation, with its own roster.
struct RotationEntry {
    std::uint8_t gameType = 0; // 1..4
    std::uint8_t botCount = 0; // used slots of Bots
    std::array<RosterBot, MaxRosterSlots> bots{};
    std::int32_t fragLimit = 0;    // capture limit for Capture The Flag
    std::int32_t timeLimit = 0;    // minutes
    std::string name;              // map name without folder and extension
    std::int32_t mapFileIndex = 0; // -1: the catalogue holds no such map (the entry is kept)
};

// One catalogued map file.
struct MapFile {
    std::string fileName;    // lower case, with ".bsp"
    std::string archivePath; // the .pk3 that holds it; empty when none is known
    std::string longName;
    std::int32_t arenaBotCount = 0;
    std::uint8_t supportsDeathmatch = 0;
    std::uint8_t supportsTournament = 0;
    std::uint8_t supportsTeamDeathmatch = 0;
    std::uint8_t supportsCaptureTheFlag = 0;
};

struct SavedServer {
    std::string name;
    std::string address;
    std::string password;
};

// One map of the server rotation.
struct ServerRotationEntry {
    std::uint8_t gameType = 0;
    std::int32_t fragLimit = 0;
    std::int32_t timeLimit = 0;
    std::string name;
    std::int32_t mapFileIndex = 0;
};

struct PlayerModel {
    std::string name;
    std::array<std::string, MaxModelSkins> skins{};
    std::int32_t skinCount = 0;
};

template <typename Record> using RecordList = std::vector<std::unique_ptr<Record>>;

using Rotation = RecordList<RotationEntry>;
using MapFiles = RecordList<MapFile>;
using SavedServers = RecordList<SavedServer>;
using ServerRotation = RecordList<ServerRotationEntry>;
using PlayerModelList = RecordList<PlayerModel>;

// Whether the catalogue holds the entry's map. Entries of maps it lacks stay in the setup (the
// map may come back with its archive) but are not played.
template <typename Entry> bool hasCataloguedMap(const Entry& entry) {
    return entry.mapFileIndex >= 0;
}

// Game types, skills and teams with their texts.
enum GameTypeNumber : std::uint8_t {
    Deathmatch = 1,
    Tournament = 2,
    TeamDeathmatch = 3,
    CaptureTheFlag = 4
};

// "Deathmatch", "Tournament", "Team Deathmatch", "Capture The Flag"; empty outside 1..4.
const std::string& gameTypeText(int gameType);
// "DM", "TNY", "TDM", "CTF"; empty outside 1..4.
const std::string& gameTypeShortText(int gameType);
// "Capture Limit" for Capture The Flag, else "Frag Limit".
const std::string& limitLabel(int gameType);
// Team Deathmatch and Capture The Flag are the team games.
bool isTeamGame(int gameType);

// "I Can Win", "Bring It On", "Hurt Me Plenty", "Hardcore", "Nightmare" (skill 1..5).
const std::vector<std::string>& skillTexts();
// "Blue", "Red".
const std::vector<std::string>& teamTexts();

} // namespace velkarn
