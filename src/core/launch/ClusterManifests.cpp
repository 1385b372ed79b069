#include "core/launch/ClusterManifests.h"

#include "core/launch/PreparedServer.h"
#include "core/launch/ScriptPasswords.h"
#include "core/launch/YamlWriter.h"
#include "core/platform/Errors.h"
#include "core/platform/PrintableText.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <algorithm>
#include <vector>

namespace velkarn {

namespace {

constexpr const char* ContainerName = "velkarn";
constexpr const char* PortName = "game";
// The image's user (packaging/container), who owns the Pod's home and may read the Secret.
constexpr int PodUser = 1000;
// Kubernetes names are DNS labels of at most 63 characters, and Agones adds two parts of 6 to a
// Fleet's name for its GameServers; a setup's name is kept to this, a hash included.
constexpr std::size_t MaxNameLength = 32;
constexpr std::size_t HashLength = 6;

// Letters and digits in lower case, every other run of characters one "-", none at the ends.
std::string lowerCaseName(const std::string& name) {
    std::string result;
    for (const char c : name) {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            result += c;
        else if (c >= 'A' && c <= 'Z')
            result += static_cast<char>(c - 'A' + 'a');
        else if (!result.empty() && result.back() != '-')
            result += '-';
    }
    while (!result.empty() && result.back() == '-')
        result.pop_back();
    return result;
}

void labels(YamlWriter& yaml, const std::string& instance) {
    yaml.begin("labels")
        .field("app.kubernetes.io/name", "velkarn")
        .text("app.kubernetes.io/instance", instance, "name")
        .end();
}

void metadata(YamlWriter& yaml, const std::string& name, const std::string& instance) {
    yaml.begin("metadata").text("name", name, "name");
    labels(yaml, instance);
    yaml.end();
}

void configMap(YamlWriter& yaml, const ClusterServe& serve, const std::string& name) {
    yaml.field("apiVersion", "v1").field("kind", "ConfigMap");
    metadata(yaml, name, name);
    yaml.begin("data").lines(PreparedScriptFile, maskedScript(serve.script), "server script");
    yaml.text(serve.modChosen ? PreparedModParametersFile : PreparedCommandLineFile,
              serve.engineWords, serve.modChosen ? "mod's parameters" : "extra command line");
    yaml.end();
}

void secret(YamlWriter& yaml, const ClusterServe& serve, const std::string& name,
            PasswordDisplay display) {
    yaml.field("apiVersion", "v1").field("kind", "Secret");
    metadata(yaml, name, name);
    yaml.field("type", "Opaque");
    const ServerPasswords passwords = scriptPasswords(serve.script);
    if (passwords.rcon.empty() && passwords.join.empty()) {
        yaml.field("data", "{}");
        return;
    }
    yaml.begin("data");
    if (display == PasswordDisplay::Masked)
        yaml.comment("Masked on a terminal: pipe the output into kubectl to carry them.");
    for (const auto& [key, password] : {std::pair{RconPasswordSecret, passwords.rcon},
                                        std::pair{JoinPasswordSecret, passwords.join}})
        if (!password.empty())
            yaml.text(key,
                      display == PasswordDisplay::Masked
                          ? std::string(PasswordMask)
                          : QByteArray::fromStdString(password).toBase64().toStdString(),
                      "password");
    yaml.end();
}

// "velkarn serve NAME --prepared ..." as every server Pod runs it.
std::vector<std::string> podArguments(const ClusterServe& serve, const std::string& lastOption,
                                      const std::string& lastValue) {
    std::vector<std::string> arguments = {
        "serve",     serve.setupName,  "--prepared",  PodSetupFolder,
        "--secrets", PodSecretsFolder, "--game-data", PodGameDataRoot + serve.dataFolder,
        lastOption};
    if (!lastValue.empty())
        arguments.push_back(lastValue);
    return arguments;
}

void volumeMount(YamlWriter& yaml, const char* name, const std::string& path, bool readOnly) {
    yaml.item().text("name", name, "name").text("mountPath", path, "path");
    if (readOnly)
        yaml.field("readOnly", "true");
    yaml.end();
}

void volumes(YamlWriter& yaml, const ClusterServe& serve, const std::string& name) {
    yaml.begin("volumes");
    yaml.item().field("name", "setup").begin("configMap").text("name", name, "name").end().end();
    yaml.item().field("name", "secrets").begin("secret").text("secretName", name, "name");
    yaml.comment("0440: the Pod's user and group read the passwords, nobody else");
    yaml.number("defaultMode", 0440).end().end();
    yaml.item().field("name", "game-data").begin("persistentVolumeClaim");
    yaml.text("claimName", serve.gameDataClaim, "volume claim").field("readOnly", "true");
    yaml.end().end();
    for (const char* scratch : {"home", "tmp"})
        yaml.item().field("name", scratch).field("emptyDir", "{}").end();
    yaml.end();
}

// What a server Pod holds; `hostPort` 0 leaves the ports to Agones.
void podContents(YamlWriter& yaml, const ClusterServe& serve, const std::string& name,
                 const std::vector<std::string>& arguments, int hostPort) {
    yaml.begin("securityContext")
        .field("runAsNonRoot", "true")
        .number("runAsUser", PodUser)
        .number("runAsGroup", PodUser)
        .number("fsGroup", PodUser)
        .end();
    yaml.comment("serve gives the engine 3 seconds to quit, then tells Agones it ended.");
    yaml.number("terminationGracePeriodSeconds", 15);
    yaml.begin("containers").item().field("name", ContainerName);
    yaml.text("image", serve.image, "image");
    yaml.begin("args");
    for (const std::string& argument : arguments)
        yaml.entry(argument, "argument");
    yaml.end();
    if (hostPort != 0) {
        yaml.begin("ports").item().field("name", PortName);
        yaml.number("containerPort", hostPort).number("hostPort", hostPort);
        yaml.field("protocol", "UDP").end().end();
    }
    yaml.begin("resources").begin("requests").field("cpu", "\"250m\"").field("memory", "\"128Mi\"");
    yaml.end().end();
    yaml.begin("securityContext")
        .field("allowPrivilegeEscalation", "false")
        .field("readOnlyRootFilesystem", "true")
        .begin("capabilities")
        .begin("drop")
        .entry("ALL", "capability")
        .end()
        .end()
        .end();
    yaml.begin("volumeMounts");
    volumeMount(yaml, "setup", PodSetupFolder, true);
    volumeMount(yaml, "secrets", PodSecretsFolder, true);
    volumeMount(yaml, "game-data", PodGameDataRoot + serve.dataFolder, true);
    volumeMount(yaml, "home", PodHome, false);
    volumeMount(yaml, "tmp", "/tmp", false);
    yaml.end().end().end();
    volumes(yaml, serve, name);
}

// The ConfigMap and the Secret, after a comment saying how to apply what follows.
YamlWriter commonDocuments(const ClusterServe& serve, const std::string& name,
                           PasswordDisplay display, const std::string& option) {
    YamlWriter yaml;
    // Refused here first, so the comments below carry only what a manifest can.
    yamlString(serve.setupName, "setup name");
    const std::string shownName = printableText(serve.setupName);
    yaml.comment("The Velkarn setup " + shownName + " served by " + std::to_string(serve.replicas) +
                 " server(s) on a Kubernetes cluster.");
    yaml.comment("Apply with:  velkarn serve " + shownName + " " + option +
                 " | kubectl apply -f -");
    configMap(yaml, serve, name);
    yaml.nextDocument();
    secret(yaml, serve, name, display);
    return yaml;
}

} // namespace

std::string clusterObjectName(const std::string& setupName) {
    std::string name = lowerCaseName(setupName);
    if (name == setupName && name.size() <= MaxNameLength)
        return "velkarn-" + name;
    name.resize(std::min(name.size(), MaxNameLength - HashLength - 1));
    while (!name.empty() && name.back() == '-')
        name.pop_back();
    const QByteArray hash =
        QCryptographicHash::hash(QByteArray::fromStdString(setupName), QCryptographicHash::Sha1);
    return "velkarn-" + name + (name.empty() ? "" : "-") +
           hash.toHex().left(HashLength).toStdString();
}

std::string kubernetesManifests(const ClusterServe& serve, PasswordDisplay passwords) {
    const int lastPort = serve.firstPort + serve.replicas - 1;
    if (lastPort > 65535)
        throw UserMessage(std::to_string(serve.replicas) + " servers from port " +
                          std::to_string(serve.firstPort) + " on would pass port 65535.");
    const std::string name = clusterObjectName(serve.setupName);
    YamlWriter yaml = commonDocuments(serve, name, passwords, "--kube");
    for (int i = 0; i < serve.replicas; ++i) {
        const int port = serve.firstPort + i;
        yaml.nextDocument().field("apiVersion", "v1").field("kind", "Pod");
        yaml.begin("metadata").text("name", name + "-" + std::to_string(i), "name");
        labels(yaml, name);
        yaml.end();
        yaml.begin(DesiredState);
        yaml.comment("Like the systemd unit: a server that fails is started again.");
        yaml.field("restartPolicy", "OnFailure");
        podContents(yaml, serve, name, podArguments(serve, "--port", std::to_string(port)), port);
        yaml.end();
    }
    return yaml.str();
}

std::string agonesManifests(const ClusterServe& serve, PasswordDisplay passwords) {
    const std::string name = clusterObjectName(serve.setupName);
    YamlWriter yaml = commonDocuments(serve, name, passwords, "--agones");
    yaml.nextDocument().field("apiVersion", "agones.dev/v1").field("kind", "Fleet");
    metadata(yaml, name, name);
    yaml.begin(DesiredState).number("replicas", serve.replicas).field("scheduling", "Packed");
    yaml.begin("template");
    yaml.begin("metadata");
    labels(yaml, name);
    yaml.end();
    yaml.begin(DesiredState).field("container", ContainerName);
    yaml.begin("ports").item().field("name", PortName);
    yaml.comment("Agones picks the host port; the server asks it which (GET /gameserver).");
    yaml.field("portPolicy", "Passthrough").field("protocol", "UDP").end().end();
    yaml.begin("health");
    yaml.comment("serve pings every 2 seconds while the engine answers its status queries.");
    yaml.field("disabled", "false")
        .number("initialDelaySeconds", 30)
        .number("periodSeconds", 5)
        .number("failureThreshold", 3)
        .end();
    yaml.begin("template").begin("metadata");
    labels(yaml, name);
    yaml.end().begin(DesiredState);
    podContents(yaml, serve, name, podArguments(serve, "--agones-sdk", ""), 0);
    yaml.end().end().end().end().end();
    return yaml.str();
}

} // namespace velkarn
