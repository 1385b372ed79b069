#pragma once

#include "core/network/ServerAddress.h"

#include <string>
#include <vector>

// masters.txt in the list-file folder: one master server a line, "host:port protocol", an IPv6
// master as "[addr]:port protocol".
namespace velkarn {

struct MasterServer {
    ServerAddress address;
    int protocol = 68;
    friend bool operator==(const MasterServer&, const MasterServer&) = default;
};

// Quake III's master (protocol 68) and those of ioquake3 and OpenArena (protocol 71).
const std::vector<MasterServer>& wellKnownMasters();

struct MasterListRead {
    std::vector<MasterServer> masters;
    // "FILE, line N: ..." for each line left out, for the masters past the limit and for a
    // last line cut short (the first 20, then how many more).
    std::vector<std::string> problems;
};

// Reads <appDir>masters.txt; blank lines and lines starting with "#" are skipped. A missing file
// is created with the well-known masters, which are returned. Throws FileOpenError when the file
// exists but cannot be read (it is then left as it is), FileCreateError when it cannot be made.
MasterListRead readMasterList(const std::string& appDir);

// "<appDir>masters.txt".
std::string masterListFile(const std::string& appDir);

} // namespace velkarn
