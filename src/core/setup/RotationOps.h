#pragma once

#include "core/setup/SetupRecords.h"

#include <string>
#include <vector>

// The data side of editing a map rotation: new entries with their default game type, the game
// type list offered for a map or an entry, and edits of the selected entries. The offline
// rotation (RotationEntry) and the server rotation (ServerRotationEntry) share these operations.
namespace velkarn {

// Deathmatch; Capture The Flag when the arena lists "ctf"; Tournament when it lists "tourney"
// and exactly one bot (this last rule wins).
int defaultGameType(const MapFile& map);

// A new entry for a catalogued map: no bots, frag limit 0, time limit 20, the default game type.
RotationEntry newRotationEntry(const MapFile& map, const std::string& name, int mapFileIndex);
ServerRotationEntry newServerRotationEntry(const MapFile& map, const std::string& name,
                                           int mapFileIndex);

// Appends the entry for catalogue position `mapFileIndex` (named by mapBaseName of its file
// name) and returns it. Throws ListIndexError for a position outside the catalogue, leaving the
// rotation unchanged.
RotationEntry& addRotationEntry(Rotation& rotation, const MapFiles& catalogue, int mapFileIndex);
ServerRotationEntry& addServerRotationEntry(ServerRotation& rotation, const MapFiles& catalogue,
                                            int mapFileIndex);

// The position of the first map file whose fileName less its last four characters (".bsp")
// equals `name` exactly, as a setup names its maps; -1 when the catalogue holds none.
int mapFileIndexFor(const MapFiles& catalogue, const std::string& name);
// Looks every entry's map up again by name after the catalogue changed (a search may add,
// drop or reorder maps); entries whose maps are gone get -1 and stay.
template <typename Entry>
void resolveMapFiles(RecordList<Entry>& rotation, const MapFiles& catalogue);

// Removes the entries at the given positions (any order; repeats and positions outside the
// list are ignored). Returns how many were removed.
template <typename Entry>
int removeEntries(RecordList<Entry>& rotation, const std::vector<int>& positions);

// The game type list shown for a map or an entry: either the single item "Capture The Flag" or
// the three items "Deathmatch", "Tournament", "Team Deathmatch".
struct GameTypeChoices {
    std::vector<int> gameTypes; // the game type of each item, in list order
    int selected = 0;           // the item to select

    std::vector<std::string> texts() const;
    // The game type of an item; the selected one's for a position outside the list.
    int gameTypeAt(int item) const;
    // The item of a game type, or -1 when the list does not offer it.
    int itemOf(int gameType) const;
    int selectedGameType() const { return gameTypeAt(selected); }
    bool captureTheFlagOnly() const { return gameTypes.size() == 1; }
    // Team Deathmatch or Capture The Flag selected: the team controls are usable.
    bool teamGame() const { return isTeamGame(selectedGameType()); }
    // "Capture Limit" for the single Capture The Flag item, else "Frag Limit".
    const std::string& limitCaption() const;
};

// For a map chosen to be added: the single Capture The Flag item for an arena that lists "ctf";
// otherwise the three items with Tournament selected when the arena lists "tourney" and exactly
// one bot, else Deathmatch.
GameTypeChoices gameTypeChoicesForMap(const MapFile& map);

// For an entry shown from the rotation. The list follows the entry's own game type, so what is
// shown is what the script writes: a Capture The Flag entry gets the single item, any other
// entry the three items with its game type selected (Deathmatch for an unknown game type). A
// Tournament entry of an arena that also lists "ctf" thus shows the three items.
GameTypeChoices gameTypeChoicesForEntry(int gameType);

// The random-bot count offered for a map played as `gameType`: 5 in a team game, otherwise its
// arena's bot count or 4 when none, brought into the count field's range 1..15. A chosen map
// counts as its default game type.
int randomBotCountFor(const MapFile& map, int gameType);

// Edits of the selected entries (positions outside the list are ignored). Each returns the
// positions whose entry text (rotationEntryText) changed, in the order given, so the caller
// replaces just those lines and keeps the selection.
template <typename Entry>
std::vector<int> setGameType(RecordList<Entry>& rotation, const std::vector<int>& selected,
                             int gameType);
template <typename Entry>
std::vector<int> setFragLimit(RecordList<Entry>& rotation, const std::vector<int>& selected,
                              int fragLimit);
template <typename Entry>
std::vector<int> setTimeLimit(RecordList<Entry>& rotation, const std::vector<int>& selected,
                              int timeLimit);

} // namespace velkarn
