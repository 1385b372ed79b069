#pragma once

#include "core/setup/SetupRecords.h"

#include <string>

// servers.txt: three lines a server: the name, then one blank and the address, then one blank
// and the password.
namespace velkarn {

// Reads blocks of three lines while a block's first line exists; missing lines of a last block
// read as empty. Throws FileOpenError.
SavedServers readServerList(const std::string& fileName);

// Writes every server, replacing the file; no servers writes an empty file.
// Throws FileCreateError.
void writeServerList(const std::string& fileName, const SavedServers& servers);

} // namespace velkarn
