#pragma once

#include "core/setup/SetupModel.h"

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace velkarn {

// Look-ups of the catalogue by name in constant time while a search merges its finds, so that
// archives with many entries cost in proportion to their size. Every change to the catalogue
// during a search goes through here; the index is valid while nothing else changes it.
class CatalogueIndex {
public:
    explicit CatalogueIndex(Catalogue& catalogue);

    Catalogue& catalogue() { return catalogue_; }

    // Some map file has this name, ignoring case.
    bool isKnownMapFile(const std::string& fileName) const;
    // The first map file whose name equals `fileName` ignoring case, or exactly; or nullptr.
    MapFile* findMapNoCase(const std::string& fileName) const;
    MapFile* findMapExact(const std::string& fileName) const;
    // Appends a map file as a search first meets it: no archive, no title, no bots, free for
    // all only.
    MapFile& appendMap(const std::string& fileName);

    PlayerModel* findModelNoCase(const std::string& name) const;
    PlayerModel& appendModel(const std::string& name);

    // Some bot name equals `name`, ignoring case.
    bool isKnownBot(const std::string& name) const;

    // Names from archives that the game's console could not take as they are (see
    // ScriptValues.h) are left out of the catalogue and only counted, so that a hostile archive
    // can neither run a command nor fill a list file with line breaks.
    void leaveOutNames(int count = 1) { leftOutNames_ += count; }
    int leftOutNames() const { return leftOutNames_; }
    // Adds names not known yet (ignoring case) at their sorted places.
    void addBots(const std::vector<std::string>& names);

private:
    Catalogue& catalogue_;
    std::unordered_map<std::string, MapFile*> mapsNoCase_;
    std::unordered_map<std::string, MapFile*> mapsExact_;
    std::unordered_map<std::string, PlayerModel*> modelsNoCase_;
    std::unordered_set<std::string> botsNoCase_;
    int leftOutNames_ = 0;
};

// One of the model's skins equals `skin`, ignoring case.
bool isKnownSkin(const PlayerModel& model, const std::string& skin);

} // namespace velkarn
