#pragma once

#include "core/platform/Random.h"
#include "core/setup/RosterOps.h"
#include "core/setup/SetupModel.h"

#include <string>

// The random series of the Simple page: N maps drawn from the catalogue, each with a game type, limits and a
// random roster.
namespace velkarn {

// The setup name the results give a random series, which has no setup file.
constexpr const char* RandomSeriesName = "(random)";

struct RandomSeriesChoices {
    int mapCount = 4;   // 1..99
    int gameType = 1;   // 0 "[Default]": every map keeps its own default; 1..4 a game type
    int fragLimit = 30; // Capture The Flag entries get 8 whatever this says
    int timeLimit = 10;
};

// The caption under the limit field for a game type item: "frag/capture limit" for
// "[Default]", "capture limit" for Capture The Flag, "frag limit" otherwise.
std::string randomSeriesLimitCaption(int gameTypeItem);

// Whether the arena lists the game type (1..4); any map suits "[Default]".
bool mapSupports(const MapFile& map, int gameType);

// Draws the catalogue position for the next entry: a map that suits the game type, drawn again
// (up to 100 times) while some entry of `built` begins with its map name; the 101st candidate
// is taken whatever it is. Throws UserMessage when the catalogue holds no suitable map.
int drawRandomSeriesMap(const MapFiles& catalogue, const Rotation& built, int gameType,
                        Random& random);

// Builds a new rotation of `choices.mapCount` entries (a count outside 1..99 is brought into
// it) with random bots from the catalogue's bot names, skills by `skillChoice` (0 random,
// 1..5) and, in team games, teams by `team`. Throws UserMessage for an empty catalogue or a game
// type no catalogued map supports; the caller's rotation is never touched.
Rotation buildRandomSeries(const Catalogue& catalogue, const RandomSeriesChoices& choices,
                           int skillChoice, TeamChoice team, Random& random);

} // namespace velkarn
