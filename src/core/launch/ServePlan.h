#pragma once

#include "core/launch/GameLaunch.h"
#include "core/launch/ServeOptions.h"

#include <string>
#include <vector>

// What running a setup as a dedicated server takes: the server script and the engine's
// argument list, worked out before anything is written or started.
namespace velkarn {

// The name a serve run's own files share, without their extensions: "velkarn-server-" + the
// setup's name + "-" + the port. Only letters, digits, "-" and "_" of the name are kept, as the
// engine's command line and file names take them; when others had to become "_", or the name is
// long, a hash of the whole name follows, so that two setups never share one.
std::string serveInstanceName(const std::string& setupName, int port);

struct ServePlan {
    std::vector<std::string> command; // the dedicated program, then every argument
    std::string workingFolder;
    Lines script;
    std::string instance; // serveInstanceName: the script "<instance>.cfg", the log ".log"
    // The script's rotation has more than one entry and a Tournament among them: the engine
    // restarts a Tournament map rather than going on, so the run hands over
    // (see TournamentHandOver).
    bool handsOverTournaments = false;
};

// The arguments after the dedicated program: "+set dedicated 1", "+set net_port PORT", "+safe"
// (the engine then reads no settings archived by an earlier server), "+exec autoexec" (which
// "+safe" would skip), the mod's parameters (or nothing), "+exec SCRIPT", then the extra command
// line when no mod is chosen, so that the user's own "+set dedicated 2" (a server the masters
// list) wins. Every argument made here is one argument; the mod's parameters and the extra
// command line are split as a shell splits words.
std::vector<std::string> dedicatedArguments(int port, const std::string& extraCommandLine,
                                            const ModChoice& mod, const std::string& script);

// The plan for serving `script` as "<instance>.cfg" on `port` of the installation's dedicated
// engine, with the game's own words (see dedicatedArguments). Throws UserMessage when the
// installation has no dedicated server program.
ServePlan dedicatedPlan(const Installation& installation, Lines script, int port,
                        const std::string& extraCommandLine, const ModChoice& mod,
                        const std::string& instance);

// The plan for serving `rotation` of the setup `setupName` on the game's dedicated engine, with
// the bots the game defines. The script sets the server's own log ("<instance>.log"). Throws
// UserMessage when the installation has no dedicated server program, when the rotation is
// empty, or for a value the script cannot carry (see dedicatedScriptLines), and as scriptFolder
// does.
ServePlan planServe(const GameSettings& game, const ServeOptions& options, const Rotation& rotation,
                    const DefinedBots& bots, const std::string& setupName);

// Writes the plan's script, readable by its owner alone since it may hold the passwords; the
// old script stays whole when that fails (InOutError, UserMessage).
void writeServeScript(const Installation& installation, const ServePlan& plan);

} // namespace velkarn
