#include "core/launch/ServePlan.h"

#include "core/platform/Errors.h"
#include "core/platform/Process.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>

namespace velkarn {

namespace {

// Keeps "<instance>.cfg" and ".log" within the engine's 63-byte file names.
constexpr std::size_t MaxNameInInstance = 24;

std::string hashText(const std::string& text) {
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (const char c : text)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", hash);
    return hex;
}

} // namespace

std::string serveInstanceName(const std::string& setupName, int port) {
    std::string name;
    for (const char c : setupName)
        name += std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' ? c : '_';
    if (name != setupName || name.size() > MaxNameInInstance)
        name = name.substr(0, MaxNameInInstance) + "-" + hashText(setupName);
    return "velkarn-server-" + name + "-" + std::to_string(port);
}

std::vector<std::string> dedicatedArguments(int port, const std::string& extraCommandLine,
                                            const ModChoice& mod, const std::string& script) {
    std::vector<std::string> arguments = {"+set",  "dedicated", "1",
                                          "+set",  "net_port",  std::to_string(port),
                                          "+safe", "+exec",     "autoexec"};
    for (std::string& argument : gameArguments(LaunchPath::Server, extraCommandLine, mod, script))
        arguments.push_back(std::move(argument));
    return arguments;
}

namespace {

void requireServerProgram(const Installation& installation) {
    if (installation.serverCommand.empty())
        throw UserMessage("The game installation " + installation.label +
                          " has no dedicated server program (such as ioq3ded or "
                          "openarena-server); install one to serve a setup.");
}

// A Tournament step of a rotation chain: "set m<i> \"set g_gametype 1;...".
bool hasTournamentStep(const Lines& script) {
    return std::any_of(script.begin(), script.end(), [](const std::string& line) {
        return line.starts_with("set m") && line.find(" \"set g_gametype 1;") != std::string::npos;
    });
}

} // namespace

ServePlan dedicatedPlan(const Installation& installation, Lines script, int port,
                        const std::string& extraCommandLine, const ModChoice& mod,
                        const std::string& instance) {
    requireServerProgram(installation);
    ServePlan plan;
    plan.handsOverTournaments = hasTournamentStep(script);
    plan.script = std::move(script);
    plan.instance = instance;
    plan.command = installation.serverCommand;
    for (std::string& argument : dedicatedArguments(port, extraCommandLine, mod, instance))
        plan.command.push_back(std::move(argument));
    plan.workingFolder = engineWorkingFolder(installation);
    return plan;
}

ServePlan planServe(const GameSettings& game, const ServeOptions& options, const Rotation& rotation,
                    const DefinedBots& bots, const std::string& setupName) {
    // Said before the rotation's problems: without a server program nothing else matters.
    requireServerProgram(game.installation);
    if (std::none_of(rotation.begin(), rotation.end(),
                     [](const auto& entry) { return hasCataloguedMap(*entry); }))
        throw UserMessage("The setup has no map to serve. Maps that are not in the catalogue "
                          "are left out: search the game folder first (velkarn scan).");
    const std::string instance = serveInstanceName(setupName, options.port);
    ServerOptions server = options.server;
    server.logName = instance + ".log";
    return dedicatedPlan(game.installation, dedicatedScriptLines(server, rotation, bots),
                         options.port, game.extraCommandLine, game.mod, instance);
}

void writeServeScript(const Installation& installation, const ServePlan& plan) {
    writeTextFile(preparedScriptFolder(installation) + plan.instance + ".cfg", plan.script,
                  WriteErrorKind::InOut, FileAccess::OwnerOnly);
}

} // namespace velkarn
