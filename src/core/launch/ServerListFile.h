#pragma once

#include "core/setup/SetupRecords.h"

#include <string>
#include <vector>

// servers.txt: three lines a server: the name, then one blank and the address, then one blank
// and the password.
namespace velkarn {

// Reads blocks of three lines while a block's first line exists; missing lines of a last block
// read as empty. A field line without its blank is read whole. When `problems` is given, a
// block cut short, a last line cut short and a name line that starts with a blank (a line before
// it went missing) are added to it as "FILE, line N: ...". Nothing read is dropped, so writing the
// servers back never gives a smaller file. Throws FileOpenError.
SavedServers readServerList(const std::string& fileName,
                            std::vector<std::string>* problems = nullptr);

// Writes every server, replacing the file; no servers writes an empty file.
// Throws FileCreateError.
void writeServerList(const std::string& fileName, const SavedServers& servers);

} // namespace velkarn
