#pragma once

#include <string>
#include <vector>

namespace velkarn {

// What the start-up reading of the list files found.
struct StartupFiles {
    bool pathFileMissing = false;
    bool pathFileRead = false; // path.txt was there and read whole
    // False when servers.txt exists but could not be read: closing must then not write over it.
    bool serverListReadable = true;
    // False when mods.txt exists but could not be read: the user's edits of it are not found
    // again by any search.
    bool modListReadable = true;
    // One message for each list file that failed; the reading went on with the next file.
    std::vector<std::string> errors;
};

// The folder of the setup files, "<appDir>configs/".
std::string setupFolder(const std::string& appDir);

} // namespace velkarn
