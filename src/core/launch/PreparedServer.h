#pragma once

#include "core/launch/GameLaunch.h"
#include "core/launch/ScriptPasswords.h"
#include "core/launch/ServePlan.h"

#include <string>
#include <vector>

// The server a Pod runs: what the cluster manifests (ClusterManifests.h) give it, read where
// the server runs and turned into the same plan serve makes of a setup.
namespace velkarn {

// The ConfigMap's keys, files in the Pod's setup folder: the script as serve --print shows it,
// and either the extra command line or the chosen mod's parameters.
constexpr const char* PreparedScriptFile = "server.cfg";
constexpr const char* PreparedCommandLineFile = "command-line";
constexpr const char* PreparedModParametersFile = "mod-parameters";
// The Secret's keys, files in the Pod's secrets folder.
constexpr const char* RconPasswordSecret = "rcon-password";
constexpr const char* JoinPasswordSecret = "password";

struct PreparedServer {
    Lines script; // its passwords masked
    std::string commandLine;
    ModChoice mod;
};

// Reads the setup folder. Throws FileOpenError for a file that is missing or cannot be read,
// and UserMessage "Line N of FILE: ..." for a script line longer than the engine reads or
// holding a control character, or a script too large for the engine's command buffer.
PreparedServer readPreparedServer(const std::string& folder);

// The first of `found` with a dedicated server program whose data folder is `dataFolder`.
// Throws UserMessage when there is none.
Installation preparedInstallation(const std::vector<Installation>& found,
                                  const std::string& dataFolder);

// Makes every .pk3 archive of `gameDataFolder` (the game's data folder on a volume) a link in
// the installation's home data folder, where the engine reads archives, unless that name is
// taken already. Throws UserMessage when the folder holds no archive, or as
// preparedScriptFolder does.
void linkGameData(const Installation& installation, const std::string& gameDataFolder);

// The plan serve runs: the installation's dedicated program with the arguments serve gives it
// for `port`, and the script with its passwords back. Throws as planServe and unmaskedScript do.
ServePlan planPreparedServe(const Installation& installation, const PreparedServer& prepared,
                            const ServerPasswords& passwords, int port);

} // namespace velkarn
