#pragma once

#include "core/launch/GameLaunch.h"
#include "core/launch/ServeOptions.h"

#include <string>
#include <vector>

// What running a setup as a dedicated server takes: the server script and the engine's
// argument list, worked out before anything is written or started.
namespace velkarn {

// The server script's name without ".cfg", as "+exec" names it.
constexpr const char* ServerScriptName = "velkarn-server";

struct ServePlan {
    std::vector<std::string> command; // the dedicated program, then every argument
    std::string workingFolder;
    Lines script;
};

// The arguments after the dedicated program: "+set dedicated 1", "+set net_port PORT", the mod's
// parameters (or nothing), "+exec velkarn-server", then the extra command line when no mod is
// chosen, so that the user's own "+set dedicated 2" (a server the masters list) wins. Every
// argument made here is one argument; the mod's parameters and the extra command line are split
// as a shell splits words.
std::vector<std::string> dedicatedArguments(int port, const std::string& extraCommandLine,
                                            const ModChoice& mod);

// The plan for serving `script` on `port` of the installation's dedicated engine, with the game's
// own words (see dedicatedArguments). Throws UserMessage when the installation has no dedicated
// server program.
ServePlan dedicatedPlan(const Installation& installation, Lines script, int port,
                        const std::string& extraCommandLine, const ModChoice& mod);

// The plan for serving `rotation` on the game's dedicated engine. Throws UserMessage when the
// installation has no dedicated server program, when the rotation is empty, or for a value the
// script cannot carry (see dedicatedScriptLines), and as scriptFolder does.
ServePlan planServe(const GameSettings& game, const ServeOptions& options,
                    const Rotation& rotation);

// Writes the plan's script, readable by its owner alone since it may hold the remote console
// password; the old script stays whole when that fails (InOutError, UserMessage).
void writeServeScript(const Installation& installation, const ServePlan& plan);

} // namespace velkarn
