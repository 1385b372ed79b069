#pragma once

#include "core/platform/SystemLayout.h"

#include <ostream>
#include <string>

namespace velkarn {

// `velkarn scan`: the content search without windows. Reads the list files of `appDir` (ending
// with "/") as the start-up does, searches the game folder of path.txt, rewrites maps.txt,
// bots.txt, models.txt and mods.txt, and prints four lines to `out`: "maps: N", "bots: N",
// "models: N" and "mods: N", where mods counts the mod list without its entry 0 ("[None]").
// List files that cannot be read and archives that cannot be read are reported on `err` and
// the search goes on. Returns 1 after a message on `err` when there is no game folder to
// search (path.txt missing, with no installation with game data found in `layout` for the first
// start's choice, or naming no existing folder), when mods.txt cannot be read (it is
// then left alone) or when a file cannot be read or written during the search; else 0.
int runScanCommand(const std::string& appDir, std::ostream& out, std::ostream& err,
                   const SystemLayout& layout = SystemLayout::current());

} // namespace velkarn
