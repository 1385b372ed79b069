#include "cli/ClusterArguments.h"

#include "cli/OptionValues.h"

namespace velkarn {

bool takeClusterOption(const std::vector<std::string>& arguments, std::size_t& i,
                       ClusterArguments& cluster, std::string& problem) {
    const std::string& option = arguments[i];
    if (option == "--replicas") {
        cluster.replicas = optionNumber(arguments, i, 1, 1000, problem);
        return true;
    }
    if (option == "--image")
        return takeOptionText(arguments, i, cluster.image, "an image", problem);
    if (option == "--data-volume")
        return takeOptionText(arguments, i, cluster.dataVolume, "a volume claim", problem);
    if (option == "--prepared")
        return takeOptionText(arguments, i, cluster.preparedFolder, "a folder", problem);
    if (option == "--secrets")
        return takeOptionText(arguments, i, cluster.secretsFolder, "a folder", problem);
    if (option == "--game-data")
        return takeOptionText(arguments, i, cluster.gameDataFolder, "a folder", problem);
    if (option == "--agones-sdk") {
        cluster.agonesSdk = true;
        return true;
    }
    return false;
}

std::string defaultServerImage() {
    return std::string("localhost/velkarn-server:") + VELKARN_VERSION;
}

} // namespace velkarn
