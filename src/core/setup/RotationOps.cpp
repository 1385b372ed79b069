#include "core/setup/RotationOps.h"

#include "core/platform/Errors.h"
#include "core/setup/TextHelpers.h"

#include <algorithm>

namespace velkarn {

namespace {

constexpr int NewEntryTimeLimit = 20;
constexpr int MinRandomBots = 1;
constexpr int MaxRandomBots = 15;

template <typename Entry>
Entry newEntry(const AMapFile& map, const std::string& name, int mapFileIndex) {
    Entry entry;
    entry.GameType = static_cast<std::uint8_t>(DefaultGameType(map));
    entry.FragLimit = 0;
    entry.TimeLimit = NewEntryTimeLimit;
    entry.Name = name;
    entry.MapFileIndex = mapFileIndex;
    return entry;
}

template <typename Entry>
Entry& addEntry(RecordList<Entry>& rotation, const MapFileListType& catalogue, int mapFileIndex) {
    if (mapFileIndex < 0 || mapFileIndex >= static_cast<int>(catalogue.size()))
        throw ListIndexError(mapFileIndex);
    const AMapFile& map = *catalogue[static_cast<std::size_t>(mapFileIndex)];
    rotation.push_back(
        std::make_unique<Entry>(newEntry<Entry>(map, MapBaseName(map.FileName), mapFileIndex)));
    return *rotation.back();
}

int arenaBotCountOr4(const AMapFile& map) {
    return map.ArenaBotCount != 0 ? map.ArenaBotCount : 4;
}

int inRandomBotRange(int count) {
    return std::clamp(count, MinRandomBots, MaxRandomBots);
}

GameTypeChoices captureTheFlagChoice() {
    return {{CaptureTheFlag}, 0};
}

GameTypeChoices threeChoices(int gameType) {
    GameTypeChoices choices{{Deathmatch, Tournament, TeamDeathmatch}, 0};
    choices.selected = std::max(choices.itemOf(gameType), 0);
    return choices;
}

// Applies `edit` to every selected entry and reports the positions whose line text changed.
template <typename Entry, typename Edit>
std::vector<int> editSelected(RecordList<Entry>& rotation, const std::vector<int>& selected,
                              Edit edit) {
    std::vector<int> changed;
    for (int position : selected) {
        if (position < 0 || position >= static_cast<int>(rotation.size()))
            continue;
        Entry& entry = *rotation[static_cast<std::size_t>(position)];
        const std::string before = MapEntryText(entry);
        edit(entry);
        if (MapEntryText(entry) != before)
            changed.push_back(position);
    }
    return changed;
}

} // namespace

int DefaultGameType(const AMapFile& map) {
    int gameType = Deathmatch;
    if (map.SupportsCTF == 1)
        gameType = CaptureTheFlag;
    if (map.SupportsTourney == 1 && map.ArenaBotCount == 1)
        gameType = Tournament;
    return gameType;
}

AMap NewRotationEntry(const AMapFile& map, const std::string& name, int mapFileIndex) {
    return newEntry<AMap>(map, name, mapFileIndex);
}

AServerMap NewServerEntry(const AMapFile& map, const std::string& name, int mapFileIndex) {
    return newEntry<AServerMap>(map, name, mapFileIndex);
}

AMap& AddRotationEntry(MapListType& rotation, const MapFileListType& catalogue, int mapFileIndex) {
    return addEntry(rotation, catalogue, mapFileIndex);
}

AServerMap& AddServerEntry(ServerMapListType& rotation, const MapFileListType& catalogue,
                           int mapFileIndex) {
    return addEntry(rotation, catalogue, mapFileIndex);
}

template <typename Entry>
int RemoveEntries(RecordList<Entry>& rotation, const std::vector<int>& positions) {
    std::vector<bool> doomed(rotation.size(), false);
    for (int position : positions)
        if (position >= 0 && position < static_cast<int>(rotation.size()))
            doomed[static_cast<std::size_t>(position)] = true;
    RecordList<Entry> kept;
    for (std::size_t i = 0; i < rotation.size(); ++i)
        if (!doomed[i])
            kept.push_back(std::move(rotation[i]));
    const int removed = static_cast<int>(rotation.size() - kept.size());
    rotation = std::move(kept);
    return removed;
}

std::vector<std::string> GameTypeChoices::texts() const {
    std::vector<std::string> result;
    for (int gameType : gameTypes)
        result.push_back(gameTypeText(gameType));
    return result;
}

int GameTypeChoices::gameTypeAt(int item) const {
    if (item < 0 || item >= static_cast<int>(gameTypes.size()))
        item = std::clamp(selected, 0, static_cast<int>(gameTypes.size()) - 1);
    return gameTypes.empty() ? Deathmatch : gameTypes[static_cast<std::size_t>(item)];
}

int GameTypeChoices::itemOf(int gameType) const {
    const auto found = std::find(gameTypes.begin(), gameTypes.end(), gameType);
    return found == gameTypes.end() ? -1 : static_cast<int>(found - gameTypes.begin());
}

const std::string& GameTypeChoices::limitCaption() const {
    return limitLabel(captureTheFlagOnly() ? CaptureTheFlag : Deathmatch);
}

GameTypeChoices ChoicesForMap(const AMapFile& map) {
    if (map.SupportsCTF == 1)
        return captureTheFlagChoice();
    const bool tournament = map.SupportsTourney == 1 && map.ArenaBotCount == 1;
    return threeChoices(tournament ? Tournament : Deathmatch);
}

GameTypeChoices ChoicesForEntry(int gameType) {
    return gameType == CaptureTheFlag ? captureTheFlagChoice() : threeChoices(gameType);
}

int RandomBotCountFor(const AMapFile& map) {
    return inRandomBotRange(map.SupportsCTF == 1 ? 5 : arenaBotCountOr4(map));
}

int RandomBotCountFor(const AMapFile& map, int gameType) {
    return inRandomBotRange(isTeamGame(gameType) ? 5 : arenaBotCountOr4(map));
}

template <typename Entry>
std::vector<int> SetGameType(RecordList<Entry>& rotation, const std::vector<int>& selected,
                             int gameType) {
    return editSelected(rotation, selected, [gameType](Entry& entry) {
        entry.GameType = static_cast<std::uint8_t>(gameType);
    });
}

template <typename Entry>
std::vector<int> SetFragLimit(RecordList<Entry>& rotation, const std::vector<int>& selected,
                              int fragLimit) {
    return editSelected(rotation, selected,
                        [fragLimit](Entry& entry) { entry.FragLimit = fragLimit; });
}

template <typename Entry>
std::vector<int> SetTimeLimit(RecordList<Entry>& rotation, const std::vector<int>& selected,
                              int timeLimit) {
    return editSelected(rotation, selected,
                        [timeLimit](Entry& entry) { entry.TimeLimit = timeLimit; });
}

// The two rotations are the only users.
#define VELKARN_ROTATION_OPS(Entry)                                                                \
    template int RemoveEntries(RecordList<Entry>&, const std::vector<int>&);                       \
    template std::vector<int> SetGameType(RecordList<Entry>&, const std::vector<int>&, int);       \
    template std::vector<int> SetFragLimit(RecordList<Entry>&, const std::vector<int>&, int);      \
    template std::vector<int> SetTimeLimit(RecordList<Entry>&, const std::vector<int>&, int);
VELKARN_ROTATION_OPS(AMap)
VELKARN_ROTATION_OPS(AServerMap)
#undef VELKARN_ROTATION_OPS

} // namespace velkarn
