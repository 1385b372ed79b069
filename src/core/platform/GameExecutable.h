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

} // namespace velkarn
