#include "core/results/ResultRecords.h"

#include "core/platform/NoCase.h"

#include <algorithm>
#include <cstdio>
#include <map>

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

namespace {

// Records summed by a key, in the key's order.
class StandingSums {
public:
    void add(const std::string& key, const std::string& name, bool won, int place) {
        Sum& sum = sums_[key];
        if (sum.standing.name.empty())
            sum.standing.name = name;
        ++sum.standing.matches;
        sum.standing.wins += won ? 1 : 0;
        sum.places += place;
        if (sum.standing.bestPlace == 0 || place < sum.standing.bestPlace)
            sum.standing.bestPlace = place;
    }

    std::vector<Standing> standings() const {
        std::vector<Standing> standings;
        for (const auto& [key, sum] : sums_) {
            standings.push_back(sum.standing);
            standings.back().averagePlace = static_cast<double>(sum.places) / sum.standing.matches;
        }
        return standings;
    }

private:
    struct Sum {
        Standing standing;
        long long places = 0;
    };
    std::map<std::string, Sum> sums_;
};

} // namespace

std::vector<Standing> botStandings(const std::vector<SeriesResult>& series) {
    StandingSums sums; // by lower-case name: one bot however the log spelled it
    for (const auto& s : series)
        for (const auto& match : s.matches)
            if (match.finished)
                for (const auto& p : match.participants)
                    if (p.bot)
                        sums.add(toLower(p.name), p.name, won(match, p), p.place);
    return sums.standings();
}

std::vector<Standing> playerMapRecords(const std::vector<SeriesResult>& series) {
    StandingSums sums;
    for (const auto& s : series)
        for (const auto& match : s.matches)
            if (const ParticipantResult* p = match.player(); match.finished && p)
                sums.add(match.map, match.map, match.playerWon(), p->place);
    return sums.standings();
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
