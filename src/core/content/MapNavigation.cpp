#include "core/content/MapNavigation.h"

#include "core/content/EntryNames.h"
#include "core/content/ZipDirectory.h"
#include "core/setup/TextHelpers.h"

#include <algorithm>

namespace velkarn {

namespace {

std::optional<std::unordered_set<std::string>> navigationFiles(const std::string& archivePath) {
    const auto listing = readZipListing(archivePath, [](const ZipMessage&) {});
    if (!listing)
        return std::nullopt;
    std::unordered_set<std::string> names;
    for (const ZipDirEntry& entry : listing->entries) {
        const std::string name = toLower(entry.fileName);
        if (name.starts_with("maps\\") && entryExtension(name) == ".aas")
            names.insert(name);
    }
    return names;
}

} // namespace

Navigation NavigationIndex::navigation(const MapFile& map) {
    if (map.archivePath.empty())
        return Navigation::Unknown;
    auto found = archives_.find(map.archivePath);
    if (found == archives_.end())
        found = archives_.emplace(map.archivePath, navigationFiles(map.archivePath)).first;
    if (!found->second)
        return Navigation::Unknown;
    const std::string wanted = "maps\\" + toLower(mapBaseName(map.fileName)) + ".aas";
    return found->second->contains(wanted) ? Navigation::Present : Navigation::Missing;
}

std::vector<std::string> mapsWithoutNavigation(const Rotation& rotation, const MapFiles& catalogue,
                                               NavigationIndex& index) {
    std::vector<std::string> names;
    for (const auto& entry : rotation) {
        const auto position = static_cast<std::size_t>(entry->mapFileIndex);
        if (entry->botCount == 0 || entry->mapFileIndex < 0 || position >= catalogue.size())
            continue;
        if (index.navigation(*catalogue[position]) == Navigation::Missing &&
            std::find(names.begin(), names.end(), entry->name) == names.end())
            names.push_back(entry->name);
    }
    return names;
}

} // namespace velkarn
