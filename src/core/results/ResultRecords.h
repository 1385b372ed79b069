#pragma once

#include <optional>
#include <string>
#include <vector>

// The recorded results as the windows and the command line read them back.
namespace velkarn {

struct ParticipantResult {
    std::string name;      // without color codes
    std::string codedName; // with them, as the game showed it
    bool bot = false;
    bool player = false; // the person at this computer (see ResultsStore)
    int skill = 0;       // bots: 1..5
    int team = 0;        // 0 none, 1 red, 2 blue
    int score = 0;
    int ping = 0;
    int place = 0; // 1 + the number with a higher score; equal scores share a place
};

struct MatchResult {
    long long id = 0;
    long long seriesId = 0;
    std::string playedAt;      // "YYYY-MM-DD HH:MM:SS", local time
    bool timeFromGame = false; // the game logged it; otherwise when the log was last written
    std::string installation;
    std::string setupName; // the setup Velkarn started; empty when the game was started otherwise
    std::string map;
    int gameType = 0; // the engine's g_gametype
    bool finished = false;
    std::string endReason; // "Fraglimit hit." and the like; empty when unfinished
    std::optional<int> redScore, blueScore;
    int durationSeconds = 0;
    int serverPort = 0; // the dedicated server velkarn served it on; 0 for a desktop game
    std::vector<ParticipantResult> participants; // best first

    const ParticipantResult* player() const;
    bool teamGame() const { return redScore && blueScore; }
    // Team games: "Red", "Blue", or "Red, Blue" for a draw. Otherwise the names in first place,
    // joined by ", ". Empty for a map without participants.
    std::string winnerName() const;
    // Team games: the player's team scored more (won) or less (lost). Otherwise first place
    // (shared or not), and the last place of a field of two or more.
    bool playerWon() const;
    bool playerLast() const;
};

struct SeriesResult {
    long long id = 0;
    std::string startedAt; // the launch, or the first map's time
    std::string setupName;
    std::string installation;
    bool launchedByVelkarn = false;
    int serverPort = 0;               // as in MatchResult
    std::vector<MatchResult> matches; // in the order played
};

// A server Velkarn joined, over all its joins.
struct RecentServer {
    std::string address;      // as the game's connect command took it
    std::string name;         // the name it was joined by, the last time
    std::string lastJoinedAt; // "YYYY-MM-DD HH:MM:SS", local time
    int joins = 0;
    // The time on it, over the joins whose game was seen to end; none such: nullopt.
    std::optional<long long> playedSeconds;

    // The time played as "H:MM:SS", or "-" when unknown.
    std::string playedText() const;
};

// One name's record: a bot's across all series, or the player's on one map.
struct Standing {
    std::string name;
    int matches = 0;
    int wins = 0; // first place (team games: on the winning team)
    double averagePlace = 0;
    int bestPlace = 0;
};

// The player's place and the field's size on each map of a series, in play order; maps
// without the player are left out.
struct PlaceOnMap {
    std::string map;
    int place = 0;
    int fieldSize = 0;
};
std::vector<PlaceOnMap> playerPlaces(const SeriesResult& series);

} // namespace velkarn
