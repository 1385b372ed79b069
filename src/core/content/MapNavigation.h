#pragma once

#include "core/setup/SetupRecords.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// Bots find their way on a map only through its navigation file, maps\<name>.aas, which map
// makers may leave out. The catalogue files stay as they are: the answer comes from the listing
// of the map's archive, which is quick to read.
namespace velkarn {

enum class Navigation { Present, Missing, Unknown };

// Remembers the navigation files of each archive it has listed, so that a list of maps costs
// one listing per archive. Archives are listed again only by a new index (after a search).
class NavigationIndex {
public:
    // Whether the map's archive holds maps\<name>.aas (names compared ignoring case, as the
    // game's file system does). Unknown when the map has no known archive or it cannot be
    // listed, so that nothing is claimed about maps that may lie outside archives.
    Navigation navigation(const MapFile& map);

private:
    // Lower-case names of the archive's .aas entries; nothing when it could not be listed.
    std::unordered_map<std::string, std::optional<std::unordered_set<std::string>>> archives_;
};

// The names of the rotation's maps that have bots but whose archive holds no navigation file,
// in rotation order, each once. Entries whose map is not in `catalogue` are passed over.
std::vector<std::string> mapsWithoutNavigation(const Rotation& rotation, const MapFiles& catalogue,
                                               NavigationIndex& index);

} // namespace velkarn
