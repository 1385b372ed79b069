#include "core/launch/RandomSeries.h"

#include "core/platform/Errors.h"
#include "core/setup/RotationOps.h"
#include "core/setup/TextHelpers.h"

#include <algorithm>

namespace velkarn {

namespace {

constexpr int MinMaps = 1;
constexpr int MaxMaps = 99;
constexpr int MaxAttempts = 100;
constexpr int CaptureLimit = 8;

bool isChosen(int gameType) {
    return gameType >= Deathmatch && gameType <= CaptureTheFlag;
}

std::vector<int> suitablePositions(const MapFiles& catalogue, int gameType) {
    std::vector<int> positions;
    for (std::size_t i = 0; i < catalogue.size(); ++i)
        if (mapSupports(*catalogue[i], gameType))
            positions.push_back(static_cast<int>(i));
    return positions;
}

// A map counts as used when some entry's name begins with its name (pit1 while pit10 is in).
bool isUsed(const std::string& mapName, const Rotation& built) {
    return std::any_of(built.begin(), built.end(),
                       [&](const auto& entry) { return entry->name.starts_with(mapName); });
}

} // namespace

std::string randomSeriesLimitCaption(int gameTypeItem) {
    if (gameTypeItem == 0)
        return "frag/capture limit";
    return gameTypeItem == CaptureTheFlag ? "capture limit" : "frag limit";
}

bool mapSupports(const MapFile& map, int gameType) {
    switch (gameType) {
    case Deathmatch:
        return map.supportsDeathmatch != 0;
    case Tournament:
        return map.supportsTournament != 0;
    case TeamDeathmatch:
        return map.supportsTeamDeathmatch != 0;
    case CaptureTheFlag:
        return map.supportsCaptureTheFlag != 0;
    default:
        return true;
    }
}

int drawRandomSeriesMap(const MapFiles& catalogue, const Rotation& built, int gameType,
                        Random& random) {
    if (catalogue.empty())
        throw UserMessage("There are no maps to choose from: search the game folder first!");
    // Drawing among the suitable maps gives each the same chance as drawing again until one
    // suits, and cannot run forever.
    const std::vector<int> suitable = suitablePositions(catalogue, gameType);
    if (suitable.empty())
        throw UserMessage("No catalogued map supports " + gameTypeText(gameType) + "!");
    for (int attempts = 1;; ++attempts) {
        const int position =
            suitable[static_cast<std::size_t>(random.below(static_cast<int>(suitable.size())))];
        const std::string name =
            mapBaseName(catalogue[static_cast<std::size_t>(position)]->fileName);
        if (!isUsed(name, built) || attempts > MaxAttempts)
            return position;
    }
}

Rotation buildRandomSeries(const Catalogue& catalogue, const RandomSeriesChoices& choices,
                           int skillChoice, TeamChoice team, Random& random) {
    const int gameType = isChosen(choices.gameType) ? choices.gameType : 0;
    const int mapCount = std::clamp(choices.mapCount, MinMaps, MaxMaps);
    Rotation rotation;
    for (int k = 0; k < mapCount; ++k) {
        const int position = drawRandomSeriesMap(catalogue.mapFiles, rotation, gameType, random);
        const MapFile& map = *catalogue.mapFiles[static_cast<std::size_t>(position)];
        RotationEntry& entry = addRotationEntry(rotation, catalogue.mapFiles, position);
        if (gameType != 0)
            entry.gameType = static_cast<std::uint8_t>(gameType);
        entry.fragLimit = entry.gameType == CaptureTheFlag ? CaptureLimit : choices.fragLimit;
        entry.timeLimit = choices.timeLimit;
        // Team games get five bots, others the arena's count.
        addRandomBots(entry, randomBotCountFor(map, entry.gameType), catalogue.botNames,
                      skillChoice, teamChoiceFor(entry.gameType, team), random);
    }
    return rotation;
}

} // namespace velkarn
