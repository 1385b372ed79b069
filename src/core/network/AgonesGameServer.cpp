#include "core/network/AgonesGameServer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace velkarn {

namespace {

// Kubernetes names are at most 253 bytes; anything longer is no name this program shows whole.
constexpr qsizetype MaxTextBytes = 253;
constexpr qsizetype MaxPorts = 64;

std::string text(const QJsonObject& object, const char* key) {
    return object.value(key).toString().left(MaxTextBytes).toStdString();
}

QJsonObject member(const QJsonObject& object, const char* protoName, const char* jsonName) {
    const QJsonValue value = object.value(protoName);
    return (value.isObject() ? value : object.value(jsonName)).toObject();
}

} // namespace

int AgonesGameServer::port(const std::string& portName) const {
    const Port* chosen = nullptr;
    for (const Port& candidate : ports)
        if (!chosen || (candidate.name == portName && chosen->name != portName))
            chosen = &candidate;
    return chosen && chosen->port >= 1 && chosen->port <= 65535 ? chosen->port : 0;
}

std::optional<AgonesGameServer> parseAgonesGameServer(const QByteArray& json) {
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    const QJsonObject status = root.value("status").toObject();
    AgonesGameServer server;
    server.name = text(member(root, "object_meta", "objectMeta"), "name");
    server.state = text(status, "state");
    server.address = text(status, "address");
    const QJsonArray ports = status.value("ports").toArray();
    for (qsizetype i = 0; i < ports.size() && i < MaxPorts; ++i) {
        const QJsonObject port = ports.at(i).toObject();
        // A number may come as a JSON number or, for 64-bit fields, as a string.
        const QJsonValue number = port.value("port");
        const double value = number.isString() ? number.toString().toDouble() : number.toDouble();
        server.ports.push_back(
            {text(port, "name"), value >= 1 && value <= 65535 && value == static_cast<int>(value)
                                     ? static_cast<int>(value)
                                     : 0});
    }
    return server;
}

} // namespace velkarn
