#pragma once

#include <optional>
#include <string>

namespace velkarn {

// The engine never leaves a Tournament map by itself: when a duel ends it restarts the map
// ("map_restart 0") where any other game type runs "vstr nextmap". Fed the engine's console
// output line by line, this says when to run "vstr nextmap" in its place: at the restart
// ("InitGame:") that follows the end ("Exit: ...") of a Tournament (g_gametype 1), so the
// intermission still shows the scores first.
class TournamentHandOver {
public:
    // The console command to send after `line`, if any.
    std::optional<std::string> commandAfter(const std::string& line);

private:
    bool tournament_ = false;
    bool ended_ = false;
};

} // namespace velkarn
