#pragma once

#include <cstddef>
#include <ostream>
#include <string>

namespace velkarn {

// `velkarn results [--last N]`: reads what the game's log gained (the log of the game in
// path.txt of `appDir`, as the windows read it), then prints one line per recorded map, the
// last `lastCount` of them in the order played, tab-separated: date and time, setup ("-" when
// Velkarn did not start the game), map, game type, end reason ("unfinished" for a map cut
// short), the player's place as P/N and score ("-" when the player was not in it), and the
// winner (a team's color in team games), the port of a server Velkarn served ("-" else) and the
// name of the demo the game recorded of it ("-" when there is none). Returns 0; 1 after a message
// on `err` when the results file cannot be opened (it is then left alone) or the log cannot be
// read.
int runResultsCommand(const std::string& appDir, std::size_t lastCount, std::ostream& out,
                      std::ostream& err);

} // namespace velkarn
