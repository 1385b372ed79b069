#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The in-memory setup: the offline rotation where every map carries its own bot roster, the
// catalogue of map files, the pre-defined servers, the server rotation and the player models.
// Records are value-initialised (numbers 0, texts empty); lists own them.
namespace velkarn {

constexpr int MaxRosterSlots = 32;
constexpr int MaxModelSkins = 16;

struct bot {
    std::string Name;
    std::int32_t Skill = 0; // 1 "I Can Win" .. 5 "Nightmare"
    std::string Team;       // "Blue", "Red", "None" or empty
};

// One map of the offline rotation, with its own roster.
struct AMap {
    std::uint8_t GameType = 0; // 1..4
    std::uint8_t BotCount = 0; // used slots of Bots
    std::array<bot, MaxRosterSlots> Bots{};
    std::int32_t FragLimit = 0; // capture limit for Capture The Flag
    std::int32_t TimeLimit = 0; // minutes
    std::string Name;           // map name without folder and extension
    std::int32_t MapFileIndex = 0;
};

// One catalogued map file.
struct AMapFile {
    std::string FileName;    // lower case, with ".bsp"
    std::string ArchivePath; // the .pk3 that holds it; empty when none is known
    std::string LongName;
    std::int32_t ArenaBotCount = 0;
    std::uint8_t SupportsFFA = 0;
    std::uint8_t SupportsTourney = 0;
    std::uint8_t SupportsTeam = 0;
    std::uint8_t SupportsCTF = 0;
};

struct AServer {
    std::string Name;
    std::string Address;
    std::string Password;
};

// One map of the server rotation.
struct AServerMap {
    std::uint8_t GameType = 0;
    std::int32_t FragLimit = 0;
    std::int32_t TimeLimit = 0;
    std::string Name;
    std::int32_t MapFileIndex = 0;
};

struct AModel {
    std::string Name;
    std::array<std::string, MaxModelSkins> Skins{};
    std::int32_t SkinCount = 0;
};

template <typename Record> using RecordList = std::vector<std::unique_ptr<Record>>;

using MapListType = RecordList<AMap>;
using MapFileListType = RecordList<AMapFile>;
using ServerListType = RecordList<AServer>;
using ServerMapListType = RecordList<AServerMap>;
using ModelListType = RecordList<AModel>;

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
