#pragma once

#include "core/results/GameLog.h"

#include <optional>
#include <string>

// Which series a match read from the log joins, decided from what came before it in the same
// log: matches of a game Velkarn launched form that launch's series; the others form series by
// game run, as far as the log tells runs apart.
namespace velkarn::results {

// The match before a new one in the log, as the results file keeps it.
struct PreviousMatch {
    long long seriesId = 0;
    unsigned long long offset = 0;
    std::string playedAt; // "yyyy-MM-dd HH:mm:ss"
    bool timeFromGame = false;
    int durationSeconds = 0;
};

enum class SeriesChoice {
    Launch,   // the series of the latest launch before it
    Previous, // the series of the match before it
    New,      // a series of its own, without a launch
};

// The launch's series when a launch came before `match` and no match came between them;
// otherwise the series of the match before it when both belong to one game run (sameRun);
// otherwise a new one.
SeriesChoice chooseSeries(std::optional<unsigned long long> launchOffset,
                          const std::optional<PreviousMatch>& previous, const LogMatch& match);

// Whether `next` goes on the game run of `previous`. Only OpenArena's g_timestamp tells when
// a map began; without it two maps of one log with no launch between them count as one run.
bool sameRun(const PreviousMatch& previous, const LogMatch& next);

} // namespace velkarn::results
