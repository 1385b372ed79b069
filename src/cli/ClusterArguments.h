#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velkarn {

// The options of serve that take a setup to a cluster, and those a server Pod runs it with.
struct ClusterArguments {
    // --kube, --agones: how many servers, which image they run, which volume holds the game.
    std::optional<int> replicas;
    std::optional<std::string> image;
    std::optional<std::string> dataVolume;
    // In a server Pod: the folders the ConfigMap, the Secret and the game's data are mounted on.
    std::optional<std::string> preparedFolder;
    std::optional<std::string> secretsFolder;
    std::optional<std::string> gameDataFolder;
    // Speak Agones' SDK even when AGONES_SDK_HTTP_PORT is not set.
    bool agonesSdk = false;

    // Some option of a server Pod was given.
    bool inPod() const { return preparedFolder || secretsFolder || gameDataFolder; }
    // Some option of --kube and --agones was given.
    bool forManifests() const { return replicas || image || dataVolume; }
};

// Takes arguments[i] (and its value, moving `i` on to it) when it is one of these options. False
// when it is none; `problem` says what is wrong with an option that lacks or has a bad value.
bool takeClusterOption(const std::vector<std::string>& arguments, std::size_t& i,
                       ClusterArguments& cluster, std::string& problem);

// The image the manifests name unless --image names another: the one build-image.sh builds.
std::string defaultServerImage();
// The PersistentVolumeClaim of the game's data unless --data-volume names another.
constexpr const char* DefaultDataVolume = "velkarn-game-data";

} // namespace velkarn
