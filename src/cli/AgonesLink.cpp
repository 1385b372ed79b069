#include "cli/AgonesLink.h"

#include "core/platform/Errors.h"
#include "core/platform/PrintableText.h"

#include <QEventLoop>

namespace velkarn {

namespace {

// The name the manifests give the game's port.
constexpr const char* GamePortName = "game";

} // namespace

std::optional<int> agonesSdkPortFor(const ClusterArguments& cluster, const char* environmentValue) {
    const std::string value = environmentValue ? environmentValue : "";
    if (!environmentValue && !cluster.agonesSdk)
        return std::nullopt;
    const int port = agonesSdkPort(value);
    if (port == 0)
        throw UserMessage("AGONES_SDK_HTTP_PORT=" + printableText(value) +
                          " names no port (1 to 65535).");
    return port;
}

int findAgonesGamePort(AgonesLifecycle& lifecycle, bool portNeeded, std::ostream& err) {
    QEventLoop loop;
    std::optional<AgonesGameServer> found;
    std::string missing;
    QObject::connect(&lifecycle, &AgonesLifecycle::gameServerFound, &loop,
                     [&](const AgonesGameServer& server) {
                         found = server;
                         loop.quit();
                     });
    QObject::connect(&lifecycle, &AgonesLifecycle::sdkMissing, &loop,
                     [&](const std::string& message) {
                         missing = message;
                         loop.quit();
                     });
    lifecycle.findGameServer(portNeeded ? GamePortName : "");
    loop.exec();
    if (!found)
        throw UserMessage(missing);
    const int port = found->port(GamePortName);
    err << "velkarn: Agones: GameServer " << printableText(found->name) << " ("
        << printableText(found->state) << "), game port " << port << "\n"
        << std::flush;
    return port;
}

} // namespace velkarn
