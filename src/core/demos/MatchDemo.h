#pragma once

#include "core/demos/DemoEntry.h"

#include <string>
#include <vector>

// Which demo holds a recorded match.
namespace velkarn {

// The demo file (never an archive's entry) of `map` whose recording took in the moment
// `playedAtSeconds`: from its last write back over its length, a minute's leeway either side
// for the game's log and the demo's clocks. None when no demo does.
const DemoEntry* demoOfMatch(const std::vector<DemoEntry>& demos, const std::string& map,
                             long long playedAtSeconds);
// The same for a match played at `playedAt` ("YYYY-MM-DD hh:mm:ss", local time, as the
// results keep it); none when that is no time.
const DemoEntry* demoOfMatch(const std::vector<DemoEntry>& demos, const std::string& map,
                             const std::string& playedAt);

} // namespace velkarn
