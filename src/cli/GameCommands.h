#pragma once

#include "core/platform/SystemLayout.h"

#include <ostream>
#include <string>

namespace velkarn {

// `velkarn games`: one line per installation found, tab-separated: number (from 1), label,
// start command, base folder, home folder, data folder. None: "No game installation found." on
// `err` and 1.
int runGamesCommand(const SystemLayout& layout, std::ostream& out, std::ostream& err);

// `velkarn use N|FOLDER`: makes installation N, or the self-contained game folder FOLDER, the
// game of the list-file folder `appDir` (writes path.txt, keeping its command line) and prints
// the choice as games does. A number out of range or a folder without a game: a message on
// `err`, 1, and path.txt untouched.
int runUseCommand(const std::string& appDir, const std::string& choice, const SystemLayout& layout,
                  std::ostream& out, std::ostream& err);

} // namespace velkarn
