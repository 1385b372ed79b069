#pragma once

#include "core/platform/TextFile.h"

#include <string>

// A served setup brought to a Kubernetes cluster, as manifests for "kubectl apply -f -": a
// ConfigMap with the server script (its passwords masked) and the engine's words, a Secret with
// the passwords, and the servers: N Pods each on its own UDP host port, or an Agones Fleet of N
// GameServers whose ports Agones picks. Every server Pod runs "velkarn serve NAME --prepared ..."
// in the image packaging/container builds, which fills the passwords back in and starts the
// engine as serve starts it. The cluster does the rest: placing, restarting, replacing.
namespace velkarn {

// Where a server Pod finds what the manifests give it.
constexpr const char* PodSetupFolder = "/etc/velkarn/setup";     // the ConfigMap
constexpr const char* PodSecretsFolder = "/etc/velkarn/secrets"; // the Secret
constexpr const char* PodGameDataRoot = "/srv/velkarn/";         // + the data folder
constexpr const char* PodHome = "/home/velkarn";

// The key under which a Kubernetes object holds what it should be (its desired state).
inline constexpr char DesiredState[] = {'s', 'p', 'e', 'c', '\0'};

struct ClusterServe {
    std::string setupName;
    Lines script;            // as serve writes it, passwords and all
    std::string engineWords; // the extra command line, or the chosen mod's parameters
    bool modChosen = false;
    std::string dataFolder = "baseoa"; // the game's, as the volume holds it
    int firstPort = 27960;
    int replicas = 1;
    std::string image;
    std::string gameDataClaim; // the PersistentVolumeClaim that holds the game's data folder
};

// Whether the Secret's passwords are printed (for kubectl) or masked (on a terminal).
enum class PasswordDisplay { Shown, Masked };

// "velkarn-" + the setup's name as Kubernetes names objects (lower-case letters, digits, "-"),
// with a short hash of the name when that changed it, so two setups never share one.
std::string clusterObjectName(const std::string& setupName);

// The ConfigMap, the Secret and N Pods, the first on `firstPort`, each next one port up. Throws
// UserMessage when the ports would pass 65535, or for a name or script a manifest cannot carry
// (text that is not UTF-8).
std::string kubernetesManifests(const ClusterServe& serve, PasswordDisplay passwords);

// The ConfigMap, the Secret and an Agones Fleet of N GameServers: UDP, portPolicy Passthrough
// (each server learns its port from Agones), health pings expected every 5 seconds. Throws as
// kubernetesManifests does.
std::string agonesManifests(const ClusterServe& serve, PasswordDisplay passwords);

} // namespace velkarn
