#include "core/results/ResultRecords.h"

#include <algorithm>
#include <cstdio>

namespace velkarn {

namespace {

constexpr int RedTeam = 1;
constexpr int BlueTeam = 2;

// The team that scored more: 1 red, 2 blue, 0 for a draw or no team game.
int winningTeam(const MatchResult& match) {
    if (!match.teamGame() || *match.redScore == *match.blueScore)
        return 0;
    return *match.redScore > *match.blueScore ? RedTeam : BlueTeam;
}

bool won(const MatchResult& match, const ParticipantResult& p) {
    if (match.teamGame())
        return winningTeam(match) != 0 && p.team == winningTeam(match);
    return p.place == 1;
}

} // namespace

const ParticipantResult* MatchResult::player() const {
    const auto found = std::find_if(participants.begin(), participants.end(),
                                    [](const ParticipantResult& p) { return p.player; });
    return found == participants.end() ? nullptr : &*found;
}

std::string MatchResult::winnerName() const {
    if (teamGame()) {
        const int team = winningTeam(*this);
        return team == RedTeam ? "Red" : team == BlueTeam ? "Blue" : "Red, Blue";
    }
    std::string names;
    for (const auto& p : participants)
        if (p.place == 1)
            names += (names.empty() ? "" : ", ") + p.name;
    return names;
}

bool MatchResult::playerWon() const {
    const ParticipantResult* p = player();
    return p && won(*this, *p);
}

bool MatchResult::playerLast() const {
    const ParticipantResult* p = player();
    if (!p)
        return false;
    if (teamGame())
        return winningTeam(*this) != 0 && p->team != winningTeam(*this);
    return participants.size() >= 2 && p->place == static_cast<int>(participants.size());
}

std::vector<PlaceOnMap> playerPlaces(const SeriesResult& series) {
    std::vector<PlaceOnMap> places;
    for (const auto& match : series.matches)
        if (const ParticipantResult* p = match.player())
            places.push_back({match.map, p->place, static_cast<int>(match.participants.size())});
    return places;
}

std::string RecentServer::playedText() const {
    if (!playedSeconds)
        return "-";
    const long long seconds = *playedSeconds;
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return text;
}

} // namespace velkarn
