#pragma once

#include "cli/CommandLine.h"
#include "core/platform/SystemLayout.h"

#include <iosfwd>
#include <string>

namespace velkarn {

// `velkarn play NAME [--no-start | --print]`: reads the list files of `appDir` as the program
// does at start-up (without path.txt making the first start's choice among the installations
// of `layout`), reads configs/NAME.vkn, writes the local-play script into the game folder
// of path.txt and starts the game, or what `mode` says instead. The player's model and skin are
// those of the setup as a search would choose them, the mod is matched by name, and the team is
// chosen at launch. Returns the exit status: 0, or 1 with the message on `err`.
int runPlayCommand(const std::string& appDir, const std::string& setupName, PlayMode mode,
                   std::ostream& out, std::ostream& err,
                   const SystemLayout& layout = SystemLayout::current());

} // namespace velkarn
