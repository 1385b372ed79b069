#include "core/results/ResultsSql.h"
#include "core/results/ResultsStore.h"

#include <algorithm>
#include <map>

// What the store gives back: the series and the last matches, with their participants.
namespace velkarn {

using namespace results;

namespace {

// The matches a query selects (its columns as below), with their participants.
std::vector<MatchResult> loadMatches(Sql& sql, const QString& condition,
                                     const QVariantList& values) {
    std::vector<MatchResult> matches;
    std::map<long long, std::size_t> byId;
    QSqlQuery q = sql.run("SELECT id, series_id, played_at, time_from_game, installation,"
                          " setup_name, map, game_type, finished, end_reason, red_score,"
                          " blue_score, duration_seconds, server_port FROM matches " +
                              condition,
                          values);
    while (q.next()) {
        MatchResult m;
        m.id = q.value(0).toLongLong();
        m.seriesId = q.value(1).toLongLong();
        m.playedAt = text(q.value(2));
        m.timeFromGame = q.value(3).toBool();
        m.installation = text(q.value(4));
        m.setupName = text(q.value(5));
        m.map = text(q.value(6));
        m.gameType = q.value(7).toInt();
        m.finished = q.value(8).toBool();
        m.endReason = text(q.value(9));
        if (!q.value(10).isNull())
            m.redScore = q.value(10).toInt();
        if (!q.value(11).isNull())
            m.blueScore = q.value(11).toInt();
        m.durationSeconds = q.value(12).toInt();
        m.serverPort = q.value(13).toInt();
        byId[m.id] = matches.size();
        matches.push_back(std::move(m));
    }
    if (matches.empty())
        return matches;
    const auto [lowest, highest] =
        std::minmax_element(matches.begin(), matches.end(),
                            [](const MatchResult& a, const MatchResult& b) { return a.id < b.id; });
    QSqlQuery p = sql.run("SELECT match_id, name, coded_name, is_bot, is_player, skill, team,"
                          " score, ping, place FROM participants WHERE match_id BETWEEN ? AND ?"
                          " ORDER BY match_id, position",
                          {lowest->id, highest->id});
    while (p.next()) {
        const auto found = byId.find(p.value(0).toLongLong());
        if (found == byId.end())
            continue;
        ParticipantResult r;
        r.name = text(p.value(1));
        r.codedName = text(p.value(2));
        r.bot = p.value(3).toBool();
        r.player = p.value(4).toBool();
        r.skill = p.value(5).toInt();
        r.team = p.value(6).toInt();
        r.score = p.value(7).toInt();
        r.ping = p.value(8).toInt();
        r.place = p.value(9).toInt();
        matches[found->second].participants.push_back(std::move(r));
    }
    return matches;
}

// The series a query selects, in its order, each with its maps in play order.
std::vector<SeriesResult> loadSeries(Sql& sql, const QString& condition,
                                     const QVariantList& values) {
    std::vector<SeriesResult> result;
    QSqlQuery q = sql.run("SELECT id, started_at, setup_name, installation, launch_id,"
                          " server_port FROM series " +
                              condition,
                          values);
    std::map<long long, std::size_t> byId;
    while (q.next()) {
        SeriesResult s;
        s.id = q.value(0).toLongLong();
        s.startedAt = text(q.value(1));
        s.setupName = text(q.value(2));
        s.installation = text(q.value(3));
        s.launchedByVelkarn = !q.value(4).isNull();
        s.serverPort = q.value(5).toInt();
        byId[s.id] = result.size();
        result.push_back(std::move(s));
    }
    if (result.empty())
        return result;
    for (MatchResult& match : loadMatches(sql, "WHERE series_id BETWEEN ? AND ? ORDER BY id",
                                          {byId.begin()->first, byId.rbegin()->first})) {
        const auto found = byId.find(match.seriesId);
        if (found != byId.end())
            result[found->second].matches.push_back(std::move(match));
    }
    return result;
}

} // namespace

std::vector<SeriesResult> ResultsStore::series(std::size_t maxSeries) const {
    Sql sql(connection_, path_);
    return loadSeries(sql, "WHERE id IN (SELECT series_id FROM matches) ORDER BY id DESC LIMIT ?",
                      {QVariant::fromValue(static_cast<qulonglong>(maxSeries))});
}

std::optional<SeriesResult> ResultsStore::lastSeriesWithPlayer() const {
    Sql sql(connection_, path_);
    auto found = loadSeries(sql,
                            "WHERE id = (SELECT m.series_id FROM matches m JOIN participants p"
                            " ON p.match_id = m.id WHERE m.finished = 1 AND p.is_player = 1"
                            " ORDER BY m.series_id DESC LIMIT 1)",
                            {});
    if (found.empty())
        return std::nullopt;
    return std::move(found.front());
}

std::vector<MatchResult> ResultsStore::lastMatches(std::size_t count) const {
    Sql sql(connection_, path_);
    return loadMatches(sql,
                       "WHERE id IN (SELECT id FROM matches ORDER BY id DESC LIMIT ?)"
                       " ORDER BY id",
                       {QVariant::fromValue(static_cast<qulonglong>(count))});
}

} // namespace velkarn
