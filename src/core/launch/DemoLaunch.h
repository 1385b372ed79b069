#pragma once

#include "core/launch/GameLaunch.h"

#include <string>
#include <vector>

// Watching a demo: the game started on it, in the mod it was recorded for.
namespace velkarn {

// What keeps the engine from reading `name` (the demo's name below demos/) as one demo's name,
// as the end of "must not ...": a blank, ";", '"' or a comment would split the command or run
// another, a "+" anywhere starts a new command on the engine's command line, and a leading "-"
// reads as an option. Empty when the name is fine.
std::string demoNameProblem(const std::string& name);

// The arguments that play the demo `name` of the mod folder `mod` (empty for the base game):
// "+set fs_game MOD" and "+demo NAME", each word an argument of its own. Throws UserMessage
// naming the demo when its name or mod is refused, so the file can be renamed.
std::vector<std::string> demoArguments(const std::string& mod, const std::string& name);

// Why the installation's engine cannot play the demo `name`, as the end of "... cannot play
// NAME: ...": the engine takes a demo's protocol from the number after ".dm_" and opens only
// those it knows. Empty when it can, or when the engine is not one whose protocols are known.
std::string demoProtocolProblem(const Installation& installation, const std::string& name);

// Starts the game on the demo; false when there is no engine or it could not be started. Throws
// as demoArguments does, or UserMessage when demoProtocolProblem finds one, before anything
// starts.
bool watchDemo(const Installation& installation, const std::string& mod, const std::string& name);

} // namespace velkarn
