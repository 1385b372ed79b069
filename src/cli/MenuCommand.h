#pragma once

#include "core/platform/SystemLayout.h"

#include <ostream>
#include <string>
#include <vector>

namespace velkarn {

// velkarn menu NAME [--remove]: puts the saved setup configs/NAME.vkn into the desktop's
// application menu as an entry that runs `program` (the program with its --appdir, when
// given) and "play NAME", in the applications folder of $XDG_DATA_HOME; prints the entry's
// path. With --remove takes the entry out again. Errors go to `err` with exit status 1.
int runMenuCommand(const std::string& appDir, const std::string& setupName, bool remove,
                   const std::vector<std::string>& program, const SystemLayout& layout,
                   std::ostream& out, std::ostream& err);

} // namespace velkarn
