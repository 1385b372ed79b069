#include "core/content/CatalogueIndex.h"

#include "core/setup/TextHelpers.h"

#include <algorithm>
#include <iterator>

namespace velkarn {

namespace {

template <typename Record>
Record* lookUp(const std::unordered_map<std::string, Record*>& index, const std::string& key) {
    const auto found = index.find(key);
    return found == index.end() ? nullptr : found->second;
}

} // namespace

CatalogueIndex::CatalogueIndex(Catalogue& catalogue) : catalogue_(catalogue) {
    // emplace keeps the first record of a name, as the look-ups want.
    for (const auto& map : catalogue_.mapFiles) {
        mapsNoCase_.emplace(toLower(map->fileName), map.get());
        mapsExact_.emplace(map->fileName, map.get());
    }
    for (const auto& model : catalogue_.playerModels)
        modelsNoCase_.emplace(toLower(model->name), model.get());
    for (const auto& name : catalogue_.botNames)
        botsNoCase_.insert(toLower(name));
}

bool CatalogueIndex::isKnownMapFile(const std::string& fileName) const {
    return findMapNoCase(fileName) != nullptr;
}

MapFile* CatalogueIndex::findMapNoCase(const std::string& fileName) const {
    return lookUp(mapsNoCase_, toLower(fileName));
}

MapFile* CatalogueIndex::findMapExact(const std::string& fileName) const {
    return lookUp(mapsExact_, fileName);
}

MapFile& CatalogueIndex::appendMap(const std::string& fileName) {
    auto map = std::make_unique<MapFile>();
    map->fileName = fileName;
    map->supportsDeathmatch = 1;
    MapFile* added = map.get();
    catalogue_.mapFiles.push_back(std::move(map));
    mapsNoCase_.emplace(toLower(fileName), added);
    mapsExact_.emplace(fileName, added);
    return *added;
}

PlayerModel* CatalogueIndex::findModelNoCase(const std::string& name) const {
    return lookUp(modelsNoCase_, toLower(name));
}

PlayerModel& CatalogueIndex::appendModel(const std::string& name) {
    auto model = std::make_unique<PlayerModel>();
    model->name = name;
    PlayerModel* added = model.get();
    catalogue_.playerModels.push_back(std::move(model));
    modelsNoCase_.emplace(toLower(name), added);
    return *added;
}

bool CatalogueIndex::isKnownBot(const std::string& name) const {
    return botsNoCase_.count(toLower(name)) != 0;
}

void CatalogueIndex::addBots(const std::vector<std::string>& names) {
    std::vector<std::string> fresh;
    for (const auto& name : names)
        if (botsNoCase_.insert(toLower(name)).second)
            fresh.push_back(name);
    if (fresh.empty())
        return;
    // One merge instead of an insertion per name keeps a long bot text cheap.
    std::stable_sort(fresh.begin(), fresh.end(), lessNoCase);
    auto& bots = catalogue_.botNames;
    std::vector<std::string> merged;
    merged.reserve(bots.size() + fresh.size());
    std::merge(std::make_move_iterator(bots.begin()), std::make_move_iterator(bots.end()),
               std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()),
               std::back_inserter(merged), lessNoCase);
    bots = std::move(merged);
}

bool isKnownSkin(const PlayerModel& model, const std::string& skin) {
    return std::any_of(model.skins.begin(), model.skins.begin() + model.skinCount,
                       [&](const std::string& known) { return equalsNoCase(known, skin); });
}

} // namespace velkarn
