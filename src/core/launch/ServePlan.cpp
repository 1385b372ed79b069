#include "core/launch/ServePlan.h"

#include "core/platform/Errors.h"
#include "core/platform/Process.h"

#include <algorithm>

namespace velkarn {

std::vector<std::string> dedicatedArguments(int port, const std::string& extraCommandLine,
                                            const ModChoice& mod) {
    std::vector<std::string> arguments = {"+set", "dedicated", "1",
                                          "+set", "net_port",  std::to_string(port)};
    for (std::string& argument :
         gameArguments(LaunchPath::Server, extraCommandLine, mod, ServerScriptName))
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

} // namespace

ServePlan dedicatedPlan(const Installation& installation, Lines script, int port,
                        const std::string& extraCommandLine, const ModChoice& mod) {
    requireServerProgram(installation);
    ServePlan plan;
    plan.script = std::move(script);
    plan.command = installation.serverCommand;
    for (std::string& argument : dedicatedArguments(port, extraCommandLine, mod))
        plan.command.push_back(std::move(argument));
    plan.workingFolder = engineWorkingFolder(installation);
    return plan;
}

ServePlan planServe(const GameSettings& game, const ServeOptions& options,
                    const Rotation& rotation) {
    // Said before the rotation's problems: without a server program nothing else matters.
    requireServerProgram(game.installation);
    if (std::none_of(rotation.begin(), rotation.end(),
                     [](const auto& entry) { return hasCataloguedMap(*entry); }))
        throw UserMessage("The setup has no map to serve. Maps that are not in the catalogue "
                          "are left out: search the game folder first (velkarn scan).");
    return dedicatedPlan(game.installation, dedicatedScriptLines(options.server, rotation),
                         options.port, game.extraCommandLine, game.mod);
}

void writeServeScript(const Installation& installation, const ServePlan& plan) {
    writeTextFile(preparedScriptFolder(installation) + ServerScriptName + ".cfg", plan.script,
                  WriteErrorKind::InOut, FileAccess::OwnerOnly);
}

} // namespace velkarn
