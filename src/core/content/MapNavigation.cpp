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

bool NavigationIndex::holds(const std::string& archive, const std::string& entryName) {
    auto found = archives_.find(archive);
    if (found == archives_.end())
        found = archives_.emplace(archive, navigationFiles(archive)).first;
    return found->second && found->second->contains(entryName);
}

Navigation NavigationIndex::navigation(const MapFile& map) {
    if (map.archivePath.empty())
        return Navigation::Unknown;
    const std::string wanted = "maps\\" + toLower(mapBaseName(map.fileName)) + ".aas";
    if (holds(map.archivePath, wanted))
        return Navigation::Present;
    if (!archives_.at(map.archivePath))
        return Navigation::Unknown;
    const bool elsewhere =
        std::any_of(gameArchives_.begin(), gameArchives_.end(),
                    [&](const std::string& archive) { return holds(archive, wanted); });
    return elsewhere ? Navigation::Present : Navigation::Missing;
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

std::string missingNavigationQuestion(const std::vector<std::string>& mapNames) {
    std::string names;
    for (const std::string& name : mapNames)
        names += (names.empty() ? "" : ", ") + name;
    return "Bots cannot move on these maps, as no archive holds their navigation file "
           "(maps/NAME.aas): " +
           names + ". Play all the same?";
}

} // namespace velkarn
