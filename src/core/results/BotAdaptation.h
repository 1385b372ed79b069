#pragma once

#include "core/results/ResultRecords.h"

#include <string>
#include <vector>

// "Bots adapt to my results": the next random series' bot skill, set from the last series.
namespace velkarn {

struct AdaptedSkill {
    int skill = 3;      // 1 "I Can Win" .. 5 "Nightmare"
    std::string reason; // one sentence saying why, for the Simple page
};

// The newest series (of `newestFirst`) with a finished map the player took part in, or none.
const SeriesResult* lastSeriesWithPlayer(const std::vector<SeriesResult>& newestFirst);

// The skill of the last series' bots (their mean over its finished maps, rounded), one level
// up when the player won more than half of the finished maps they played there, one down when
// they finished last in more than half, else the same; always within 1 to 5. Without such a
// series, or when its bots have no known skill, `fallbackSkill` (brought into 1..5) is the
// series' skill.
AdaptedSkill adaptBotSkill(const SeriesResult* lastSeries, int fallbackSkill);

} // namespace velkarn
