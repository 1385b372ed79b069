#pragma once

#include "cli/ClusterArguments.h"
#include "cli/ServeArguments.h"
#include "core/launch/ClusterManifests.h"
#include "core/launch/GameLaunch.h"
#include "core/launch/PreparedServer.h"

#include <ostream>
#include <string>

namespace velkarn {

// serve NAME --kube | --agones: the manifests of the setup's servers from the plan serve made,
// on `out`; the passwords are masked when `out` is a terminal, where others may see them.
void printClusterManifests(ServeMode mode, const ClusterArguments& cluster,
                           const std::string& setupName, const GameSettings& game,
                           const ServePlan& plan, int firstPort, PasswordDisplay passwords,
                           std::ostream& out);

// What a server Pod serves (serve NAME --prepared DIR): the installation path.txt names, else
// the one here whose data folder the game's data volume holds (--game-data DIR, whose archives
// are linked where the engine reads them); the ConfigMap's script and words; the Secret's
// passwords. Throws UserMessage, FileOpenError.
struct PodServer {
    Installation installation;
    PreparedServer prepared;
    ServerPasswords passwords;
};
PodServer readPodServer(const std::string& appDir, const ClusterArguments& cluster);

} // namespace velkarn
