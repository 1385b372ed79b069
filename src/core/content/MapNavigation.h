#pragma once

#include "core/setup/SetupRecords.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

// Bots find their way on a map only through its navigation file, maps\<name>.aas, which map
// makers may leave out. The catalogue files stay as they are: the answer comes from archive
// listings, which are quick to read. The game finds the file in any of its archives (OpenArena
// keeps its maps' navigation in another archive than the maps), so all of them are asked.
namespace velkarn {

enum class Navigation { Present, Missing, Unknown };

// Remembers the navigation files of each archive it has listed, so that a list of maps costs
// one listing per archive. Archives are listed again only by a new index (after a search).
class NavigationIndex {
public:
    // `gameArchives`: the game's other archives (gameArchives of the game folder).
    explicit NavigationIndex(std::vector<std::string> gameArchives = {})
        : gameArchives_(std::move(gameArchives)) {}

    // Whether the map's archive, or else one of the game's archives, holds maps\<name>.aas
    // (names compared ignoring case, as the game's file system does). Unknown when the map has
    // no known archive or it cannot be listed, so that nothing is claimed about maps that may
    // lie outside archives.
    Navigation navigation(const MapFile& map);

private:
    bool holds(const std::string& archive, const std::string& entryName);

    std::vector<std::string> gameArchives_;
    // Lower-case names of the archive's .aas entries; nothing when it could not be listed.
    std::unordered_map<std::string, std::optional<std::unordered_set<std::string>>> archives_;
};

// The names of the rotation's maps that have bots but whose archive holds no navigation file,
// in rotation order, each once. Entries whose map is not in `catalogue` are passed over.
std::vector<std::string> mapsWithoutNavigation(const Rotation& rotation, const MapFiles& catalogue,
                                               NavigationIndex& index);

// The question to ask before playing such maps, naming them.
std::string missingNavigationQuestion(const std::vector<std::string>& mapNames);

} // namespace velkarn
