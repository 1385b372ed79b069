#pragma once

#include <string_view>

// Name operations on archive entry names, which use "\" between folders; a folder entry ends
// with "\". Positions in the comments are 1-based. The results are views into the name given,
// so a search looks at every entry without copying its name.
namespace velkarn {

// The part after the last "\" or ":".
std::string_view entryFileName(std::string_view path);

// The file name's extension from its last "." on, dot included; empty when there is none.
std::string_view entryExtension(std::string_view path);

// The prefix up to and including the last "\" at or before position length - 2, so a trailing
// "\" is ignored; empty when there is none. models\players\brute\ gives models\players\.
std::string_view parentFolder(std::string_view path);

// The text after the last "\" at positions 2 to length - 2, or else from position 2 on, without
// a trailing "\". models\players\brute\ gives brute; scripts\ gives cripts.
std::string_view lastPathPart(std::string_view path);

} // namespace velkarn
