#pragma once

#include <string>

// Name operations on archive entry names, which use "\" between folders; a folder entry ends
// with "\". Positions in the comments are 1-based.
namespace velkarn {

// The part after the last "\" or ":".
std::string entryFileName(const std::string& path);

// The file name's extension from its last "." on, dot included; empty when there is none.
std::string entryExtension(const std::string& path);

// The prefix up to and including the last "\" at or before position length - 2, so a trailing
// "\" is ignored; empty when there is none. models\players\brute\ gives models\players\.
std::string parentFolder(const std::string& path);

// The text after the last "\" at positions 2 to length - 2, or else from position 2 on, without
// a trailing "\". models\players\brute\ gives brute; scripts\ gives cripts.
std::string lastPathPart(const std::string& path);

} // namespace velkarn
