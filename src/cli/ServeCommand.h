#pragma once

#include "cli/ServeArguments.h"
#include "core/launch/ServerRun.h"

#include <ostream>
#include <string>

namespace velkarn {

// Where a command runs from: Velkarn's folder, whether --appdir named it, and the program's own
// absolute path (for the unit's ExecStart).
struct ProgramPlace {
    std::string appDir;
    bool appDirGiven = false;
    std::string programPath;
};

// `velkarn serve NAME [options] [--print | --unit]`: reads the list files and the setup
// configs/NAME.vkn as play does, the server options of configs/NAME.server under those given,
// and the remote console password from its file, then runs, prints or makes a unit of the
// setup's rotation on the game's dedicated server (see ServerRun). Running needs a
// QCoreApplication; SIGTERM and SIGINT stop the engine. Returns the exit status: the engine's
// (see ServerRun), or 1 with the message on `err` when nothing could be started.
int runServeCommand(const ProgramPlace& place, const std::string& setupName,
                    const ServeArguments& serve, std::ostream& out, std::ostream& err,
                    int quitGraceMs = DefaultQuitGraceMs);

} // namespace velkarn
