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
Entry newEntry(const MapFile& map, const std::string& name, int mapFileIndex) {
    Entry entry;
    entry.gameType = static_cast<std::uint8_t>(defaultGameType(map));
    entry.fragLimit = 0;
    entry.timeLimit = NewEntryTimeLimit;
    entry.name = name;
    entry.mapFileIndex = mapFileIndex;
    return entry;
}

template <typename Entry>
Entry& addEntry(RecordList<Entry>& rotation, const MapFiles& catalogue, int mapFileIndex) {
    if (mapFileIndex < 0 || mapFileIndex >= static_cast<int>(catalogue.size()))
        throw ListIndexError(mapFileIndex);
    const MapFile& map = *catalogue[static_cast<std::size_t>(mapFileIndex)];
    rotation.push_back(
        std::make_unique<Entry>(newEntry<Entry>(map, mapBaseName(map.fileName), mapFileIndex)));
    return *rotation.back();
}

int arenaBotCountOr4(const MapFile& map) {
    return map.arenaBotCount != 0 ? map.arenaBotCount : 4;
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
        const std::string before = rotationEntryText(entry);
        edit(entry);
        if (rotationEntryText(entry) != before)
            changed.push_back(position);
    }
    return changed;
}

} // namespace

int defaultGameType(const MapFile& map) {
    int gameType = Deathmatch;
    if (map.supportsCaptureTheFlag == 1)
        gameType = CaptureTheFlag;
    if (map.supportsTournament == 1 && map.arenaBotCount == 1)
        gameType = Tournament;
    return gameType;
}

RotationEntry newRotationEntry(const MapFile& map, const std::string& name, int mapFileIndex) {
    return newEntry<RotationEntry>(map, name, mapFileIndex);
}

ServerRotationEntry newServerRotationEntry(const MapFile& map, const std::string& name,
                                           int mapFileIndex) {
    return newEntry<ServerRotationEntry>(map, name, mapFileIndex);
}

RotationEntry& addRotationEntry(Rotation& rotation, const MapFiles& catalogue, int mapFileIndex) {
    return addEntry(rotation, catalogue, mapFileIndex);
}

ServerRotationEntry& addServerRotationEntry(ServerRotation& rotation, const MapFiles& catalogue,
                                            int mapFileIndex) {
    return addEntry(rotation, catalogue, mapFileIndex);
}

template <typename Entry>
int removeEntries(RecordList<Entry>& rotation, const std::vector<int>& positions) {
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

GameTypeChoices gameTypeChoicesForMap(const MapFile& map) {
    if (map.supportsCaptureTheFlag == 1)
        return captureTheFlagChoice();
    const bool tournament = map.supportsTournament == 1 && map.arenaBotCount == 1;
    return threeChoices(tournament ? Tournament : Deathmatch);
}

GameTypeChoices gameTypeChoicesForEntry(int gameType) {
    return gameType == CaptureTheFlag ? captureTheFlagChoice() : threeChoices(gameType);
}

int randomBotCountFor(const MapFile& map, int gameType) {
    return inRandomBotRange(isTeamGame(gameType) ? 5 : arenaBotCountOr4(map));
}

template <typename Entry>
std::vector<int> setGameType(RecordList<Entry>& rotation, const std::vector<int>& selected,
                             int gameType) {
    return editSelected(rotation, selected, [gameType](Entry& entry) {
        entry.gameType = static_cast<std::uint8_t>(gameType);
    });
}

template <typename Entry>
std::vector<int> setFragLimit(RecordList<Entry>& rotation, const std::vector<int>& selected,
                              int fragLimit) {
    return editSelected(rotation, selected,
                        [fragLimit](Entry& entry) { entry.fragLimit = fragLimit; });
}

template <typename Entry>
std::vector<int> setTimeLimit(RecordList<Entry>& rotation, const std::vector<int>& selected,
                              int timeLimit) {
    return editSelected(rotation, selected,
                        [timeLimit](Entry& entry) { entry.timeLimit = timeLimit; });
}

int mapFileIndexFor(const MapFiles& catalogue, const std::string& name) {
    constexpr std::size_t ExtensionLength = 4;
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const std::string& fileName = catalogue[i]->fileName;
        const std::size_t keep =
            fileName.size() > ExtensionLength ? fileName.size() - ExtensionLength : 0;
        if (fileName.compare(0, keep, name) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

template <typename Entry>
void resolveMapFiles(RecordList<Entry>& rotation, const MapFiles& catalogue) {
    for (auto& entry : rotation)
        entry->mapFileIndex = mapFileIndexFor(catalogue, entry->name);
}

// The two rotations are the only users.
#define VELKARN_ROTATION_OPS(Entry)                                                                \
    template void resolveMapFiles(RecordList<Entry>&, const MapFiles&);                            \
    template int removeEntries(RecordList<Entry>&, const std::vector<int>&);                       \
    template std::vector<int> setGameType(RecordList<Entry>&, const std::vector<int>&, int);       \
    template std::vector<int> setFragLimit(RecordList<Entry>&, const std::vector<int>&, int);      \
    template std::vector<int> setTimeLimit(RecordList<Entry>&, const std::vector<int>&, int);
VELKARN_ROTATION_OPS(RotationEntry)
VELKARN_ROTATION_OPS(ServerRotationEntry)
#undef VELKARN_ROTATION_OPS

} // namespace velkarn
