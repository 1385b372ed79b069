#pragma once

#include "cli/ClusterArguments.h"
#include "core/launch/ServeOptions.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velkarn {

// What `serve` does besides working out the server.
enum class ServeMode {
    Run,    // run the engine in the foreground until it ends
    Print,  // print the script and the engine's command line; write and start nothing
    Unit,   // print a systemd user unit that runs the same serve command
    Kube,   // print Kubernetes manifests: a ConfigMap, a Secret and server Pods
    Agones, // print the ConfigMap, the Secret and an Agones Fleet
};

// The options of `serve` as given on the command line; each one given wins over the setup's
// configs/NAME.server.
struct ServeArguments {
    std::optional<int> port;
    std::optional<std::string> hostName;
    std::optional<std::string> motd;
    std::optional<int> maxClients;
    std::optional<bool> pure;
    // As given; relative to the current folder. Passwords come only in files: a command line is
    // read by every user of the machine.
    std::optional<std::string> passwordFile;
    std::optional<std::string> rconPasswordFile;
    ServeMode mode = ServeMode::Run;
    ClusterArguments cluster;
};

// Takes arguments[i] (and its value, moving `i` on to it) when it is an option of serve. False
// when it is none; `problem` says what is wrong with an option that lacks or has a bad value.
bool takeServeOption(const std::vector<std::string>& arguments, std::size_t& i,
                     ServeArguments& serve, std::string& problem);

// What is wrong with the options taken together (the cluster's options outside their modes, a
// server Pod's beside options that would change its script); empty when nothing is.
std::string serveArgumentsProblem(const ServeArguments& serve);

// The options given, over `options`.
void applyServeArguments(const ServeArguments& serve, ServeOptions& options);

// The options given, as arguments of the same command (without --print or --unit).
std::vector<std::string> serveOptionArguments(const ServeArguments& serve);

} // namespace velkarn
