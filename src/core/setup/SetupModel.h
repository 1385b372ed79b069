#pragma once

#include "core/setup/SetupRecords.h"

#include <string>
#include <string_view>
#include <vector>

namespace velkarn {

// The bots the game defines, by the names it defines them: the catalogue's bot names.
using DefinedBots = std::vector<std::string>;
// The defined spelling of `name`, compared ignoring case as the game does; nullptr when the
// game defines no such bot, or its name is none a script may carry (isSafeBotName).
const std::string* definedBotName(const DefinedBots& defined, std::string_view name);

// What the content search found: map files, bot names and player models.
struct Catalogue {
    MapFiles mapFiles;            // in the order maps were first seen, as the map lists show
    DefinedBots botNames;         // kept sorted ignoring case, as the bot lists show
    PlayerModelList playerModels; // in the order models were read or found
    // A catalogue file could not be read whole: what was read may name an archive whose other
    // finds were lost, so the next search starts from nothing, as a first search does.
    bool needsRebuild = false;

    // Inserts a bot name at its sorted place (equal names keep their arrival order).
    void addBotName(const std::string& name);
    // Some bot name equals `name` ignoring case.
    bool isKnownBot(const std::string& name) const;
    // The model names sorted ignoring case, as the player model list shows them.
    std::vector<std::string> sortedModelNames() const;
    // The first model whose name equals `name` exactly, or nullptr.
    const PlayerModel* findModel(const std::string& name) const;
};

// The whole in-memory setup of one run.
struct SetupModel {
    Rotation rotation; // the offline rotation, in play order
    Catalogue catalogue;
    SavedServers servers;          // the saved servers
    ServerRotation serverRotation; // the server rotation
    // Player model and skin named by the last setup file read; the next search selects them.
    std::string modelNameFromSetup;
    std::string skinNameFromSetup;
    // The random-bot choices as the user last left them (skill item: 0 random, 1..5; team item:
    // 0 random, 1 blue, 2 red); the Simple page's random series uses them too.
    int randomSkillItem = 0;
    int randomTeamItem = 0;
    // The setup file the rotation was last read from or saved to, without ".vkn"; the results
    // name a launch's series after it.
    std::string setupName;
};

} // namespace velkarn
