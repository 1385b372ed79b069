#include "cli/ServeArguments.h"

#include "cli/OptionValues.h"

namespace velkarn {

namespace {

bool takeNumber(const std::vector<std::string>& arguments, std::size_t& i,
                std::optional<int>& field, int low, int high, std::string& problem) {
    field = optionNumber(arguments, i, low, high, problem);
    return true;
}

bool takeMode(const std::string& option, ServeArguments& serve, std::string& problem) {
    if (serve.mode != ServeMode::Run)
        problem = "serve takes one of --print, --unit, --kube and --agones";
    serve.mode = option == "--print"  ? ServeMode::Print
                 : option == "--unit" ? ServeMode::Unit
                 : option == "--kube" ? ServeMode::Kube
                                      : ServeMode::Agones;
    return true;
}

} // namespace

bool takeServeOption(const std::vector<std::string>& arguments, std::size_t& i,
                     ServeArguments& serve, std::string& problem) {
    const std::string& option = arguments[i];
    if (option == "--port")
        return takeNumber(arguments, i, serve.port, 1, 65535, problem);
    if (option == "--max-clients")
        return takeNumber(arguments, i, serve.maxClients, 1, 64, problem);
    if (option == "--hostname")
        return takeOptionText(arguments, i, serve.hostName, "a host name", problem);
    if (option == "--motd")
        return takeOptionText(arguments, i, serve.motd, "a message", problem);
    if (option == "--password") {
        problem = "serve takes the join password from a file (--password-file FILE): on the "
                  "command line every user of the machine could read it";
        return true;
    }
    if (option == "--password-file")
        return takeOptionText(arguments, i, serve.passwordFile, "a file", problem);
    if (option == "--rcon-password-file")
        return takeOptionText(arguments, i, serve.rconPasswordFile, "a file", problem);
    if (option == "--pure" || option == "--no-pure") {
        serve.pure = option == "--pure";
        return true;
    }
    if (option == "--print" || option == "--unit" || option == "--kube" || option == "--agones")
        return takeMode(option, serve, problem);
    return takeClusterOption(arguments, i, serve.cluster, problem);
}

std::string serveArgumentsProblem(const ServeArguments& serve) {
    const ClusterArguments& cluster = serve.cluster;
    const bool manifests = serve.mode == ServeMode::Kube || serve.mode == ServeMode::Agones;
    if (cluster.forManifests() && !manifests)
        return "--replicas, --image and --data-volume go with --kube or --agones";
    if (cluster.agonesSdk && serve.mode != ServeMode::Run)
        return "--agones-sdk goes with running the server";
    if (!cluster.inPod())
        return "";
    if (!cluster.preparedFolder)
        return "--secrets and --game-data go with --prepared";
    if (serve.mode != ServeMode::Run && serve.mode != ServeMode::Print)
        return "--prepared serves in a server Pod: it goes with running the server or --print";
    // The port is the Pod's own; everything else is the script's.
    if (serve.hostName || serve.motd || serve.maxClients || serve.passwordFile || serve.pure ||
        serve.rconPasswordFile)
        return "--prepared serves the script as the manifests give it: its options are in there";
    return "";
}

void applyServeArguments(const ServeArguments& serve, ServeOptions& options) {
    options.port = serve.port.value_or(options.port);
    options.server.hostName = serve.hostName.value_or(options.server.hostName);
    options.server.motd = serve.motd.value_or(options.server.motd);
    options.server.maxClients = serve.maxClients.value_or(options.server.maxClients);
    options.passwordFile = serve.passwordFile.value_or(options.passwordFile);
    options.server.pure = serve.pure.value_or(options.server.pure);
}

std::vector<std::string> serveOptionArguments(const ServeArguments& serve) {
    std::vector<std::string> arguments;
    const auto add = [&arguments](const char* option, const std::optional<std::string>& value) {
        if (value)
            arguments.insert(arguments.end(), {option, *value});
    };
    if (serve.port)
        arguments.insert(arguments.end(), {"--port", std::to_string(*serve.port)});
    add("--hostname", serve.hostName);
    add("--motd", serve.motd);
    if (serve.maxClients)
        arguments.insert(arguments.end(), {"--max-clients", std::to_string(*serve.maxClients)});
    if (serve.pure)
        arguments.emplace_back(*serve.pure ? "--pure" : "--no-pure");
    add("--password-file", serve.passwordFile);
    add("--rcon-password-file", serve.rconPasswordFile);
    return arguments;
}

} // namespace velkarn
