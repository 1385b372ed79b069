#pragma once

#include <string>

namespace velkarn {

// Moves a file to the desktop's trash, where the user can take it back. False when it cannot
// (no trash on this file system, no permission); the file then stays where it was.
bool moveToTrash(const std::string& path);

} // namespace velkarn
