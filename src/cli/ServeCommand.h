#pragma once

#include "cli/ServeArguments.h"
#include "core/launch/ServerRun.h"
#include "core/network/AgonesLifecycle.h"

#include <ostream>
#include <string>

namespace velkarn {

// Where a command runs from: Velkarn's folder, whether --appdir named it, the program's own
// absolute path (for the unit's ExecStart), and whether its output goes to a terminal, where
// others may read over the user's shoulder.
struct ProgramPlace {
    std::string appDir;
    bool appDirGiven = false;
    std::string programPath;
    bool terminalOutput = false;
};

// `velkarn serve NAME [options] [--print | --unit | --kube | --agones]`: reads the list files
// and the setup configs/NAME.vkn as play does, the server options of configs/NAME.server under
// those given, and the remote console password from its file, then runs, prints, makes a unit or
// cluster manifests of the setup's rotation on the game's dedicated server (see ServerRun). In
// a server Pod (--prepared) the script comes from the manifests instead. When it speaks Agones'
// SDK (--agones-sdk, or AGONES_SDK_HTTP_PORT set), the server takes the port Agones gave unless
// --port names one, and Agones is told its life (AgonesLifecycle). Running needs a
// QCoreApplication; SIGTERM and SIGINT stop the engine. Returns the exit status: the engine's
// (see ServerRun), or 1 with the message on `err` when nothing could be started.
int runServeCommand(const ProgramPlace& place, const std::string& setupName,
                    const ServeArguments& serve, std::ostream& out, std::ostream& err,
                    int quitGraceMs = DefaultQuitGraceMs, const AgonesTiming& agonesTiming = {});

} // namespace velkarn
