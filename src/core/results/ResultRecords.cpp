#include "core/results/ResultRecords.h"

#include <algorithm>
#include <cctype>
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

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
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

std::vector<BotStanding> botStandings(const std::vector<SeriesResult>& series) {
    struct Sum {
        BotStanding standing;
        long long places = 0;
    };
    std::map<std::string, Sum> byName; // lower-case name: one bot however the log spelled it
    for (const auto& s : series)
        for (const auto& match : s.matches) {
            if (!match.finished)
                continue;
            for (const auto& p : match.participants) {
                if (!p.bot)
                    continue;
                Sum& sum = byName[lowerCase(p.name)];
                if (sum.standing.name.empty())
                    sum.standing.name = p.name;
                ++sum.standing.matches;
                sum.standing.wins += won(match, p) ? 1 : 0;
                sum.places += p.place;
            }
        }
    std::vector<BotStanding> standings;
    for (auto& [key, sum] : byName) {
        sum.standing.averagePlace = static_cast<double>(sum.places) / sum.standing.matches;
        standings.push_back(sum.standing);
    }
    return standings;
}

std::vector<MapRecord> playerMapRecords(const std::vector<SeriesResult>& series) {
    struct Sum {
        MapRecord record;
        long long places = 0;
    };
    std::map<std::string, Sum> byMap;
    for (const auto& s : series)
        for (const auto& match : s.matches) {
            const ParticipantResult* p = match.player();
            if (!match.finished || !p)
                continue;
            Sum& sum = byMap[match.map];
            sum.record.map = match.map;
            ++sum.record.matches;
            sum.record.wins += match.playerWon() ? 1 : 0;
            sum.places += p->place;
            if (sum.record.bestPlace == 0 || p->place < sum.record.bestPlace)
                sum.record.bestPlace = p->place;
        }
    std::vector<MapRecord> records;
    for (auto& [map, sum] : byMap) {
        sum.record.averagePlace = static_cast<double>(sum.places) / sum.record.matches;
        records.push_back(sum.record);
    }
    return records;
}

std::vector<PlaceOnMap> playerPlaces(const SeriesResult& series) {
    std::vector<PlaceOnMap> places;
    for (const auto& match : series.matches)
        if (const ParticipantResult* p = match.player())
            places.push_back({match.map, p->place, static_cast<int>(match.participants.size())});
    return places;
}

} // namespace velkarn
