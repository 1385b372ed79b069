#pragma once

#include "core/results/GameLog.h"
#include "core/results/GameLogSource.h"

#include <string>

namespace velkarn::results {

class Sql;

// Records one match unless it is there already, in the series SeriesRule.h chooses (a launch's
// series is made with its first match). Nobody plays a served match at this computer; in
// another the player is the only person of the match (not a bot), or else the one with the
// name its launch gave, or `playerName` without a launch.
bool insertMatch(Sql& sql, const GameLogSource& source, long long generation, const LogMatch& match,
                 const std::string& playerName, long long logModified);

} // namespace velkarn::results
