#pragma once

#include "core/results/GameLog.h"
#include "core/results/GameLogSource.h"

#include <string>

namespace velkarn::results {

class Sql;

// Records one match unless it is there already. Which series it joins:
// - the series of the latest launch before it in the same log, when no match of this log came
//   between that launch and it;
// - otherwise the series of the match before it in the log, when both belong to one game run
//   (sameRun);
// - otherwise a series of its own, without a launch: matches of a game not started by Velkarn
//   form series by game run, as far as the log tells runs apart.
bool insertMatch(Sql& sql, const GameLogSource& source, long long generation, const LogMatch& match,
                 const std::string& playerName, long long logModified);

} // namespace velkarn::results
