#include "cli/PodServer.h"

#include "core/network/RconText.h"
#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/SystemLayout.h"
#include "core/session/GameOptions.h"

namespace velkarn {

namespace {

// The folder's name without a trailing "/": the data folder the engine reads ("baseoa").
std::string dataFolderName(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return fileNamePart(folder);
}

Installation podInstallation(const std::string& appDir, const ClusterArguments& cluster) {
    GameOptions game(appDir);
    if (fileExists(game.pathFile())) {
        game.readPaths();
        return game.installation();
    }
    if (cluster.gameDataFolder)
        return preparedInstallation(game.installations(), dataFolderName(*cluster.gameDataFolder));
    if (const auto found = installationForFirstStart(game.installations()))
        return *found;
    throw UserMessage("No game installation with game data is here: give the folder the game's "
                      "data volume is mounted on with --game-data.");
}

ServerPasswords podPasswords(const ClusterArguments& cluster) {
    ServerPasswords passwords;
    if (!cluster.secretsFolder)
        return passwords;
    const std::string folder = withTrailingSlash(*cluster.secretsFolder);
    if (pathExists(folder + RconPasswordSecret))
        passwords.rcon = readPasswordFile(folder + RconPasswordSecret);
    if (pathExists(folder + JoinPasswordSecret))
        passwords.join = lineAt(readTextFile(folder + JoinPasswordSecret), 0);
    return passwords;
}

} // namespace

void printClusterManifests(ServeMode mode, const ClusterArguments& cluster,
                           const std::string& setupName, const GameSettings& game,
                           const ServePlan& plan, int firstPort, PasswordDisplay passwords,
                           std::ostream& out) {
    ClusterServe serve;
    serve.setupName = setupName;
    serve.script = plan.script;
    serve.modChosen = game.mod.index >= 1;
    serve.engineWords = serve.modChosen ? game.mod.parameters : game.extraCommandLine;
    serve.dataFolder = game.installation.dataFolder;
    serve.firstPort = firstPort;
    serve.replicas = cluster.replicas.value_or(1);
    serve.image = cluster.image.value_or(defaultServerImage());
    serve.gameDataClaim = cluster.dataVolume.value_or(DefaultDataVolume);
    out << (mode == ServeMode::Agones ? agonesManifests(serve, passwords)
                                      : kubernetesManifests(serve, passwords));
}

PodServer readPodServer(const std::string& appDir, const ClusterArguments& cluster) {
    PodServer server{podInstallation(appDir, cluster), readPreparedServer(*cluster.preparedFolder),
                     podPasswords(cluster)};
    if (cluster.gameDataFolder)
        linkGameData(server.installation, *cluster.gameDataFolder);
    return server;
}

} // namespace velkarn
