#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velkarn {

// The names under which the game's executable is looked for in the game folder, in order.
const std::vector<std::string>& gameExecutableNames();

// The full path of the first of those names that is a plain file in `gameFolder` (which ends
// with "/"), or nothing.
std::optional<std::string> findGameExecutable(const std::string& gameFolder);

// The names of the engines' dedicated server programs, which run without a window, in order:
// ioquake3's, OpenArena's, Quake3e's and the original's.
const std::vector<std::string>& dedicatedExecutableNames();

// The full path of the first of those names that is a plain file in `gameFolder`, or nothing.
std::optional<std::string> findDedicatedExecutable(const std::string& gameFolder);

} // namespace velkarn
