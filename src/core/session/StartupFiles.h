#pragma once

#include "core/setup/PathFile.h"
#include "core/setup/SetupModel.h"

#include <optional>
#include <string>
#include <vector>

namespace velkarn {

// What the start-up reading of the list files found.
struct StartupFiles {
    std::optional<GamePaths> paths; // nothing when path.txt is missing
    bool pathFileMissing = false;
    // False when servers.txt exists but could not be read: closing must then not write over it.
    bool serverListReadable = true;
    // One message for each list file that failed; the reading went on with the next file.
    std::vector<std::string> errors;
};

// Reads path.txt, maps.txt, bots.txt and servers.txt from `appDir` (ending with "/") into the
// model, and creates the configs folder when it is missing. Never throws for a broken file:
// each failure is recorded and the next file is read.
StartupFiles readListFiles(const std::string& appDir, SetupModel& model);

// The folder of the setup files, "<appDir>configs/".
std::string configsFolder(const std::string& appDir);

} // namespace velkarn
