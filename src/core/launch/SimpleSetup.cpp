#include "core/launch/SimpleSetup.h"

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

std::vector<int> suitablePositions(const MapFileListType& catalogue, int gameType) {
    std::vector<int> positions;
    for (std::size_t i = 0; i < catalogue.size(); ++i)
        if (MapSupports(*catalogue[i], gameType))
            positions.push_back(static_cast<int>(i));
    return positions;
}

// A map counts as used when some entry's name begins with its name (pit1 while pit10 is in).
bool isUsed(const std::string& mapName, const MapListType& built) {
    return std::any_of(built.begin(), built.end(),
                       [&](const auto& entry) { return entry->Name.starts_with(mapName); });
}

} // namespace

std::string SimpleLimitCaption(int gameTypeItem) {
    if (gameTypeItem == 0)
        return "frag/capture limit";
    return gameTypeItem == CaptureTheFlag ? "capture limit" : "frag limit";
}

bool MapSupports(const AMapFile& map, int gameType) {
    switch (gameType) {
    case Deathmatch:
        return map.SupportsFFA != 0;
    case Tournament:
        return map.SupportsTourney != 0;
    case TeamDeathmatch:
        return map.SupportsTeam != 0;
    case CaptureTheFlag:
        return map.SupportsCTF != 0;
    default:
        return true;
    }
}

int DrawSimpleMap(const MapFileListType& catalogue, const MapListType& built, int gameType,
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
            MapBaseName(catalogue[static_cast<std::size_t>(position)]->FileName);
        if (!isUsed(name, built) || attempts > MaxAttempts)
            return position;
    }
}

MapListType BuildSimpleRotation(const Catalogue& catalogue, const SimpleChoices& choices,
                                int skillChoice, TeamChoice team, Random& random) {
    const int gameType = isChosen(choices.gameType) ? choices.gameType : 0;
    const int mapCount = std::clamp(choices.mapCount, MinMaps, MaxMaps);
    MapListType rotation;
    for (int k = 0; k < mapCount; ++k) {
        const int position = DrawSimpleMap(catalogue.MapFileList, rotation, gameType, random);
        const AMapFile& map = *catalogue.MapFileList[static_cast<std::size_t>(position)];
        AMap& entry = AddRotationEntry(rotation, catalogue.MapFileList, position);
        if (gameType != 0)
            entry.GameType = static_cast<std::uint8_t>(gameType);
        entry.FragLimit = entry.GameType == CaptureTheFlag ? CaptureLimit : choices.fragLimit;
        entry.TimeLimit = choices.timeLimit;
        // Team games get five bots, others the arena's count.
        AddRandomBots(entry, RandomBotCountFor(map, entry.GameType), catalogue.BotNames,
                      skillChoice, TeamChoiceFor(entry.GameType, team), random);
    }
    return rotation;
}

} // namespace velkarn
