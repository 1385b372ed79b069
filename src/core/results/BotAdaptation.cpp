#include "core/results/BotAdaptation.h"

#include <algorithm>
#include <cmath>

namespace velkarn {

namespace {

constexpr int LowestSkill = 1;
constexpr int HighestSkill = 5;

int seriesSkill(const SeriesResult& series, int fallbackSkill) {
    long long sum = 0;
    long long count = 0;
    for (const auto& match : series.matches)
        if (match.finished)
            for (const auto& p : match.participants)
                if (p.bot && p.skill >= LowestSkill) {
                    sum += p.skill;
                    ++count;
                }
    if (count == 0)
        return fallbackSkill;
    return static_cast<int>(std::lround(static_cast<double>(sum) / static_cast<double>(count)));
}

std::string mapsText(int count) {
    return std::to_string(count) + (count == 1 ? " map" : " maps");
}

} // namespace

const SeriesResult* lastSeriesWithPlayer(const std::vector<SeriesResult>& newestFirst) {
    for (const auto& series : newestFirst)
        for (const auto& match : series.matches)
            if (match.finished && match.player())
                return &series;
    return nullptr;
}

AdaptedSkill adaptBotSkill(const SeriesResult* lastSeries, int fallbackSkill) {
    fallbackSkill = std::clamp(fallbackSkill, LowestSkill, HighestSkill);
    int played = 0;
    int wins = 0;
    int lasts = 0;
    if (lastSeries)
        for (const auto& match : lastSeries->matches)
            if (match.finished && match.player()) {
                ++played;
                wins += match.playerWon() ? 1 : 0;
                lasts += match.playerLast() ? 1 : 0;
            }
    if (played == 0)
        return {fallbackSkill, "No series of yours is recorded yet: the bots play at skill " +
                                   std::to_string(fallbackSkill) + "."};

    const int before =
        std::clamp(seriesSkill(*lastSeries, fallbackSkill), LowestSkill, HighestSkill);
    const std::string skillBefore = " (its bots played at skill " + std::to_string(before) + ").";
    const std::string of = " of " + mapsText(played) + " in the last series";
    if (wins * 2 > played) {
        const int skill = std::min(before + 1, HighestSkill);
        return {skill, "Skill " + std::to_string(skill) + ": you won " + std::to_string(wins) + of +
                           (skill == before ? ", and 5 is the highest." : skillBefore)};
    }
    if (lasts * 2 > played) {
        const int skill = std::max(before - 1, LowestSkill);
        return {skill, "Skill " + std::to_string(skill) + ": you finished last in " +
                           std::to_string(lasts) + of +
                           (skill == before ? ", and 1 is the lowest." : skillBefore)};
    }
    return {before, "Skill " + std::to_string(before) + ", as in the last series: you won " +
                        std::to_string(wins) + " and finished last in " + std::to_string(lasts) +
                        " of " + mapsText(played) + "."};
}

} // namespace velkarn
