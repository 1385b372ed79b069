#include "core/results/ResultsSql.h"
#include "core/results/ResultsStore.h"

// The totals over everything recorded, summed by the database rather than from the series a
// window holds, which are only the newest.
namespace velkarn {

using namespace results;

namespace {

// Team games are won by the team that scored more (a draw is won by nobody); the others by
// first place, shared or not.
constexpr const char* WonSql = "CASE WHEN m.red_score IS NOT NULL AND m.blue_score IS NOT NULL"
                               " THEN m.red_score <> m.blue_score AND"
                               " p.team = CASE WHEN m.red_score > m.blue_score THEN 1 ELSE 2 END"
                               " ELSE p.place = 1 END";

// Finished maps only, as unfinished ones decide nothing. `key` groups the rows and orders
// them (and names them, when `namedByKey`); a bot's name is shown as the newest map spelled it.
std::vector<Standing> standingsBy(Sql& sql, const QString& key, const QString& participants,
                                  bool namedByKey) {
    QSqlQuery q = sql.run(
        QString("SELECT g.matches, g.wins, g.average_place, g.best_place, n.name, g.standing_key"
                " FROM (SELECT %1 AS standing_key, COUNT(*) AS matches, SUM(%2) AS wins,"
                " AVG(p.place) AS average_place, MIN(p.place) AS best_place,"
                " MAX(p.rowid) AS newest FROM participants p JOIN matches m ON m.id = p.match_id"
                " WHERE m.finished AND %3 GROUP BY standing_key) g"
                " JOIN participants n ON n.rowid = g.newest ORDER BY g.standing_key")
            .arg(key, WonSql, participants));
    std::vector<Standing> standings;
    while (q.next()) {
        Standing s;
        s.matches = q.value(0).toInt();
        s.wins = q.value(1).toInt();
        s.averagePlace = q.value(2).toDouble();
        s.bestPlace = q.value(3).toInt();
        s.name = text(q.value(namedByKey ? 5 : 4));
        standings.push_back(std::move(s));
    }
    return standings;
}

} // namespace

std::vector<Standing> ResultsStore::botStandings() const {
    Sql sql(connection_, path_);
    // One bot however the log spelled it.
    return standingsBy(sql, "lower(p.name)", "p.is_bot", false);
}

std::vector<Standing> ResultsStore::playerMapRecords() const {
    Sql sql(connection_, path_);
    return standingsBy(sql, "m.map", "p.is_player", true);
}

std::size_t ResultsStore::seriesCount() const {
    Sql sql(connection_, path_);
    QSqlQuery q = sql.run("SELECT COUNT(DISTINCT series_id) FROM matches");
    return q.next() ? q.value(0).toULongLong() : 0;
}

} // namespace velkarn
