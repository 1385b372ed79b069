#pragma once

#include <ostream>
#include <string>

namespace velkarn {

// `velkarn demos`: every demo of the game in path.txt of `appDir`, newest first, one a line,
// tab-separated: date and time, name, mod ("-" for the base game's), map, game type, length
// (M:SS), the recording player, the other players (separated by commas), size in bytes, and the
// file ("archive: entry" for an archive's). What a damaged demo does not tell is "-", and why is
// said on `err`. Returns 0; 1 after a message on `err` when no game is set.
int runDemosCommand(const std::string& appDir, std::ostream& out, std::ostream& err);

// `velkarn demo NAME [--print]`: the demo's details as KEY<TAB>VALUE lines, then the game
// started on it; with `printOnly` the game's parameters on a last line instead. Returns 0; 1
// after a message on `err` when there is no such demo, its name is refused or the game cannot
// be started.
int runDemoCommand(const std::string& appDir, const std::string& name, bool printOnly,
                   std::ostream& out, std::ostream& err);

} // namespace velkarn
