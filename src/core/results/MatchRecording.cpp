#include "core/results/MatchRecording.h"

#include "core/platform/NoCase.h"
#include "core/results/ResultsSql.h"
#include "core/results/SeriesRule.h"
#include "core/setup/PlayerName.h"

namespace velkarn::results {

namespace {

// The person at this computer among the people (not bots) of a match: the only one, or else
// the one with the name the launch (or the player options) gave.
int playerIndex(const LogMatch& match, const std::string& playerName) {
    std::vector<int> people;
    for (std::size_t i = 0; i < match.participants.size(); ++i)
        if (!match.participants[i].bot)
            people.push_back(static_cast<int>(i));
    if (people.size() == 1)
        return people.front();
    const std::string wanted = plainName(playerName);
    for (int i : people)
        if (!wanted.empty() &&
            equalsNoCase(match.participants[static_cast<std::size_t>(i)].name, wanted))
            return i;
    return -1;
}

struct Launch {
    long long id = 0;
    unsigned long long offset = 0;
    std::string launchedAt, setupName, installation, playerName;
    QVariant serverPort;
};

} // namespace

bool insertMatch(Sql& sql, const GameLogSource& source, long long generation, const LogMatch& match,
                 const std::string& playerName, long long logModified) {
    const QVariant logPath = bytes(source.path);
    const QVariant offset = QVariant::fromValue(static_cast<unsigned long long>(match.offset));
    if (sql.run("SELECT 1 FROM matches WHERE log_path = ? AND generation = ? AND log_offset = ?",
                {logPath, generation, offset})
            .next())
        return false;

    std::optional<Launch> launch;
    QSqlQuery l = sql.run("SELECT id, log_offset, launched_at, setup_name, installation,"
                          " player_name, server_port FROM launches WHERE log_path = ? AND"
                          " generation = ? AND log_offset <= ? ORDER BY log_offset DESC, id DESC"
                          " LIMIT 1",
                          {logPath, generation, offset});
    if (l.next())
        launch = Launch{
            l.value(0).toLongLong(), l.value(1).toULongLong(), text(l.value(2)), text(l.value(3)),
            text(l.value(4)),        text(l.value(5)),         l.value(6)};
    std::optional<PreviousMatch> previous;
    QSqlQuery p = sql.run("SELECT series_id, log_offset, played_at, time_from_game,"
                          " duration_seconds FROM matches WHERE log_path = ? AND generation = ?"
                          " AND log_offset < ? ORDER BY log_offset DESC LIMIT 1",
                          {logPath, generation, offset});
    if (p.next())
        previous = PreviousMatch{p.value(0).toLongLong(), p.value(1).toULongLong(),
                                 text(p.value(2)), p.value(3).toBool(), p.value(4).toInt()};

    const bool timeFromGame = !match.startedAt.empty();
    const std::string playedAt = timeFromGame ? match.startedAt : localTime(logModified);
    long long seriesId = 0;
    std::string setupName;
    std::string expectedPlayer = playerName;
    const SeriesChoice choice =
        chooseSeries(launch ? std::optional(launch->offset) : std::nullopt, previous, match);
    if (choice == SeriesChoice::Launch) {
        QSqlQuery s = sql.run("SELECT id FROM series WHERE launch_id = ?", {launch->id});
        if (s.next())
            seriesId = s.value(0).toLongLong();
        else
            seriesId = sql.run("INSERT INTO series (launch_id, started_at, setup_name,"
                               " installation, server_port) VALUES (?, ?, ?, ?, ?)",
                               {launch->id, bytes(launch->launchedAt), bytes(launch->setupName),
                                bytes(launch->installation), launch->serverPort})
                           .lastInsertId()
                           .toLongLong();
        setupName = launch->setupName;
        expectedPlayer = launch->playerName;
    } else if (choice == SeriesChoice::Previous) {
        seriesId = previous->seriesId;
        // The series goes on: its setup and player are those of its launch, if it had one.
        QSqlQuery s = sql.run("SELECT series.setup_name, launches.player_name FROM series"
                              " LEFT JOIN launches ON launches.id = series.launch_id"
                              " WHERE series.id = ?",
                              {seriesId});
        if (s.next()) {
            setupName = text(s.value(0));
            if (!s.value(1).isNull())
                expectedPlayer = text(s.value(1));
        }
    } else {
        seriesId =
            sql.run("INSERT INTO series (launch_id, started_at, setup_name, installation,"
                    " server_port) VALUES (NULL, ?, '', ?, ?)",
                    {bytes(playedAt), bytes(source.installation), serverPortOf(source.serverPort)})
                .lastInsertId()
                .toLongLong();
    }

    const long long matchId =
        sql.run("INSERT INTO matches (series_id, log_path, generation, log_offset, played_at,"
                " time_from_game, installation, setup_name, map, game_type, finished,"
                " end_reason, red_score, blue_score, duration_seconds, server_port)"
                " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                {seriesId, logPath, generation, offset, bytes(playedAt), timeFromGame,
                 bytes(source.installation), bytes(setupName), bytes(match.map), match.gameType,
                 match.finished, bytes(match.endReason), optionalNumber(match.redScore),
                 optionalNumber(match.blueScore), match.durationSeconds,
                 serverPortOf(source.serverPort)})
            .lastInsertId()
            .toLongLong();
    // Nobody plays a served match at this computer.
    const int player = source.serverPort > 0 ? -1 : playerIndex(match, expectedPlayer);
    for (std::size_t i = 0; i < match.participants.size(); ++i) {
        const LogParticipant& who = match.participants[i];
        sql.run("INSERT INTO participants (match_id, position, name, coded_name, is_bot,"
                " is_player, skill, team, score, ping, place)"
                " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                {matchId, static_cast<int>(i), bytes(who.name), bytes(who.codedName), who.bot,
                 static_cast<int>(i) == player, who.skill, who.team, who.score, who.ping,
                 who.place});
    }
    return true;
}

} // namespace velkarn::results
