#include "core/results/ResultsStore.h"

#include "core/network/ServerStatus.h"
#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/NoCase.h"
#include "core/platform/TextFile.h"
#include "core/results/GameLog.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <map>

namespace velkarn {

namespace {

// A map change (intermission, loading) takes well under a minute; a longer pause between two
// maps of the log means the game was started again.
constexpr long long MaxSecondsBetweenMaps = 300;

const char* const Schema[] = {
    // Where reading each log stopped, and which file it was: a log replaced (another device or
    // inode) or shortened is a new generation, read from its start; so is one whose bytes before
    // that point are no longer those that were read (rewritten in place).
    "CREATE TABLE log_positions (log_path BLOB PRIMARY KEY, device INTEGER NOT NULL,"
    " inode INTEGER NOT NULL, generation INTEGER NOT NULL, read_offset INTEGER NOT NULL,"
    " tail BLOB NOT NULL)",
    // A game Velkarn started: the matches its log gains after log_offset belong to it.
    // server_port: the port of the dedicated server velkarn served, NULL for a desktop game.
    "CREATE TABLE launches (id INTEGER PRIMARY KEY, launched_at BLOB NOT NULL,"
    " setup_name BLOB NOT NULL, installation BLOB NOT NULL, player_name BLOB NOT NULL,"
    " log_path BLOB NOT NULL, generation INTEGER NOT NULL, log_offset INTEGER NOT NULL,"
    " server_port INTEGER)",
    "CREATE TABLE series (id INTEGER PRIMARY KEY, launch_id INTEGER UNIQUE REFERENCES launches,"
    " started_at BLOB NOT NULL, setup_name BLOB NOT NULL, installation BLOB NOT NULL,"
    " server_port INTEGER)",
    "CREATE TABLE matches (id INTEGER PRIMARY KEY, series_id INTEGER NOT NULL REFERENCES series,"
    " log_path BLOB NOT NULL, generation INTEGER NOT NULL, log_offset INTEGER NOT NULL,"
    " played_at BLOB NOT NULL, time_from_game INTEGER NOT NULL, installation BLOB NOT NULL,"
    " setup_name BLOB NOT NULL, map BLOB NOT NULL, game_type INTEGER NOT NULL,"
    " finished INTEGER NOT NULL, end_reason BLOB NOT NULL, red_score INTEGER,"
    " blue_score INTEGER, duration_seconds INTEGER NOT NULL, server_port INTEGER,"
    " UNIQUE (log_path, generation, log_offset))",
    "CREATE TABLE participants (match_id INTEGER NOT NULL REFERENCES matches,"
    " position INTEGER NOT NULL, name BLOB NOT NULL, coded_name BLOB NOT NULL,"
    " is_bot INTEGER NOT NULL, is_player INTEGER NOT NULL, skill INTEGER NOT NULL,"
    " team INTEGER NOT NULL, score INTEGER NOT NULL, ping INTEGER NOT NULL,"
    " place INTEGER NOT NULL, PRIMARY KEY (match_id, position))",
    "CREATE TABLE preferences (key BLOB PRIMARY KEY, value BLOB NOT NULL)",
};
constexpr int SchemaTables = 6;

// Each step takes a file of the version before it to the next one.
const char* const SchemaSteps[][3] = {
    // 1 to 2: which server a match was played on.
    {"ALTER TABLE launches ADD COLUMN server_port INTEGER",
     "ALTER TABLE series ADD COLUMN server_port INTEGER",
     "ALTER TABLE matches ADD COLUMN server_port INTEGER"},
};

// Text is kept as the bytes it came as (names from the log need not be valid UTF-8).
QVariant bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

std::string text(const QVariant& value) {
    const QByteArray data = value.toByteArray();
    return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

QVariant optionalNumber(const std::optional<int>& value) {
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Int));
}

// A desktop game has no server port.
QVariant serverPortOf(int port) {
    return optionalNumber(port > 0 ? std::optional<int>(port) : std::nullopt);
}

std::string localTime(long long secondsSince1970) {
    return QDateTime::fromSecsSinceEpoch(secondsSince1970)
        .toString("yyyy-MM-dd HH:mm:ss")
        .toStdString();
}

std::optional<long long> secondsOf(const std::string& localTimeText) {
    const QDateTime time =
        QDateTime::fromString(QString::fromLatin1(localTimeText.c_str()), "yyyy-MM-dd HH:mm:ss");
    if (!time.isValid())
        return std::nullopt;
    return time.toSecsSinceEpoch();
}

QString newConnectionName() {
    static std::atomic<int> counter{0};
    return QString("velkarn-results-%1").arg(++counter);
}

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

// Runs statements on the store's connection; a failure throws, naming the file.
class Sql {
public:
    Sql(const QString& connection, const std::string& path)
        : db_(QSqlDatabase::database(connection, false)), path_(path) {}

    QSqlQuery run(const QString& statement, const QVariantList& values = {}) {
        QSqlQuery query(db_);
        query.setForwardOnly(true);
        if (!query.prepare(statement))
            fail(query);
        for (const QVariant& value : values)
            query.addBindValue(value);
        if (!query.exec())
            fail(query);
        return query;
    }

    [[noreturn]] void fail(const QSqlQuery& query) const {
        throw UserMessage("Cannot use the results file " + path_ + ": " +
                          query.lastError().text().toStdString());
    }

private:
    QSqlDatabase db_;
    const std::string& path_;
};

// BEGIN IMMEDIATE takes the write lock at once, so that two Velkarn processes reading the same
// log one after the other each see the position the other left.
class Transaction {
public:
    explicit Transaction(Sql& sql) : sql_(sql) { sql_.run("BEGIN IMMEDIATE"); }
    ~Transaction() {
        if (!done_) {
            try {
                sql_.run("ROLLBACK");
            } catch (const Error&) {
            }
        }
    }
    void commit() {
        sql_.run("COMMIT");
        done_ = true;
    }

private:
    Sql& sql_;
    bool done_ = false;
};

// How many bytes before the read position are kept to recognise the file.
constexpr unsigned long long TailBytes = 64;

struct Position {
    bool known = false;
    FileIdentity identity;
    long long generation = 0;
    unsigned long long offset = 0;
    std::string tail; // the bytes just before `offset`
};

std::string tailBefore(const std::string& path, unsigned long long offset) {
    const unsigned long long start = offset > TailBytes ? offset - TailBytes : 0;
    return readFileRange(path, start, static_cast<std::size_t>(offset - start));
}

Position positionOf(Sql& sql, const std::string& logPath) {
    Position position;
    QSqlQuery q = sql.run("SELECT device, inode, generation, read_offset, tail FROM"
                          " log_positions WHERE log_path = ?",
                          {bytes(logPath)});
    if (q.next()) {
        position.known = true;
        position.identity = {q.value(0).toULongLong(), q.value(1).toULongLong()};
        position.generation = q.value(2).toLongLong();
        position.offset = q.value(3).toULongLong();
        position.tail = text(q.value(4));
    }
    return position;
}

void savePosition(Sql& sql, const std::string& logPath, const Position& position) {
    sql.run("INSERT OR REPLACE INTO log_positions (log_path, device, inode, generation,"
            " read_offset, tail) VALUES (?, ?, ?, ?, ?, ?)",
            {bytes(logPath), QVariant::fromValue(position.identity.device),
             QVariant::fromValue(position.identity.inode), position.generation,
             QVariant::fromValue(position.offset), bytes(position.tail)});
}

struct Launch {
    long long id = 0;
    unsigned long long offset = 0;
    std::string launchedAt, setupName, installation, playerName;
    QVariant serverPort;
};

struct PreviousMatch {
    long long seriesId = 0;
    unsigned long long offset = 0;
    std::string playedAt;
    bool timeFromGame = false;
    int durationSeconds = 0;
};

// Whether `next` goes on the game run of `previous`. Only OpenArena's g_timestamp tells when
// a map began; without it two maps of one log with no launch between them count as one run.
bool sameRun(const PreviousMatch& previous, const LogMatch& next) {
    if (!previous.timeFromGame || next.startedAt.empty())
        return true;
    const auto before = secondsOf(previous.playedAt);
    const auto after = secondsOf(next.startedAt);
    if (!before || !after)
        return true;
    const long long gap = *after - (*before + previous.durationSeconds);
    return gap >= -MaxSecondsBetweenMaps && gap <= MaxSecondsBetweenMaps;
}

// Records one match unless it is there already. Which series it joins:
// - the series of the latest launch before it in the same log, when no match of this log came
//   between that launch and it;
// - otherwise the series of the match before it in the log, when both belong to one game run
//   (sameRun);
// - otherwise a series of its own, without a launch: matches of a game not started by Velkarn
//   form series by game run, as far as the log tells runs apart.
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
    if (launch && (!previous || previous->offset < launch->offset)) {
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
    } else if (previous && sameRun(*previous, match)) {
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

} // namespace

ResultsStore::ResultsStore(const std::string& appDir)
    : connection_(newConnectionName()), path_(filePath(appDir)) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection_);
        db.setDatabaseName(QString::fromLocal8Bit(path_.c_str()));
    }
    try {
        requireOurs();
    } catch (...) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
        throw;
    }
}

ResultsStore::~ResultsStore() {
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

void ResultsStore::requireOurs() {
    const std::string leftAlone = " Velkarn leaves it as it is.";
    if (folderExists(path_))
        throw UserMessage("The results file " + path_ + " is a folder." + leftAlone);
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.isValid())
        throw UserMessage("Cannot open the results file " + path_ +
                          ": Qt's SQLite driver (libqt6sql6-sqlite) is missing.");
    if (!db.open())
        throw UserMessage("Cannot open the results file " + path_ + ": " +
                          db.lastError().text().toStdString() + "." + leftAlone);
    // Nothing below writes until the file is known to be ours and not newer.
    QSqlQuery query(db);
    auto unreadable = [&] {
        return UserMessage("The results file " + path_ + " cannot be read (" +
                           query.lastError().text().toStdString() + ")." + leftAlone);
    };
    if (!query.exec("PRAGMA user_version") || !query.next())
        throw unreadable();
    const int version = query.value(0).toInt();
    if (version > SchemaVersion)
        throw UserMessage("The results file " + path_ + " comes from a newer Velkarn (schema " +
                          std::to_string(version) + "; this one knows " +
                          std::to_string(SchemaVersion) + ")." + leftAlone);
    if (!query.exec("PRAGMA quick_check") || !query.next())
        throw unreadable();
    if (query.value(0).toString() != "ok")
        throw UserMessage("The results file " + path_ + " is damaged (" +
                          query.value(0).toString().toStdString() + ")." + leftAlone);
    if (!query.exec("SELECT count(*) FROM sqlite_master") || !query.next())
        throw unreadable();
    const int tables = query.value(0).toInt();
    query.finish();
    if (version == 0 && tables == 0) {
        createSchema();
        return;
    }
    if (version < 1 || version > SchemaVersion)
        throw UserMessage("The results file " + path_ + " holds no Velkarn results." + leftAlone);
    if (!query.exec("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN"
                    " ('log_positions', 'launches', 'series', 'matches', 'participants',"
                    " 'preferences')") ||
        !query.next())
        throw unreadable();
    if (query.value(0).toInt() != SchemaTables)
        throw UserMessage("The results file " + path_ + " is damaged (tables are missing)." +
                          leftAlone);
    query.finish();
    if (version < SchemaVersion)
        upgradeSchema(version);
}

void ResultsStore::upgradeSchema(int version) {
    Sql sql(connection_, path_);
    Transaction transaction(sql);
    for (int step = version; step < SchemaVersion; ++step)
        for (const char* statement : SchemaSteps[step - 1])
            sql.run(statement);
    sql.run(QString("PRAGMA user_version = %1").arg(SchemaVersion));
    transaction.commit();
}

void ResultsStore::createSchema() {
    Sql sql(connection_, path_);
    Transaction transaction(sql);
    for (const char* statement : Schema)
        sql.run(statement);
    sql.run(QString("PRAGMA user_version = %1").arg(SchemaVersion));
    transaction.commit();
}

LogReadOutcome ResultsStore::readLog(const GameLogSource& source, const std::string& playerName,
                                     long long nowSeconds) {
    LogReadOutcome outcome;
    FileState file;
    if (source.path.empty() || !fileState(source.path, file))
        return outcome;
    Sql sql(connection_, path_);
    Transaction transaction(sql);
    Position position = positionOf(sql, source.path);
    bool replaced = !position.known || position.identity != file.identity ||
                    file.size < position.offset ||
                    tailBefore(source.path, position.offset) != position.tail;
    if (replaced) {
        position.known = true;
        position.identity = file.identity;
        ++position.generation;
        position.offset = 0;
        position.tail.clear();
    }
    if (file.size > position.offset) {
        const std::string chunk = readFileRange(source.path, position.offset, MaxLogBytesPerRead);
        const GameLogRead read =
            parseGameLog(chunk, position.offset, gameRunning(source, nowSeconds));
        unsigned long long resume = read.resumeOffset;
        const bool capped = chunk.size() == MaxLogBytesPerRead;
        if (capped && resume == position.offset) {
            // One match, or one line, as large as a whole reading: no engine writes that.
            resume = read.consumedOffset > position.offset ? read.consumedOffset
                                                           : position.offset + chunk.size();
        }
        for (const LogMatch& match : read.matches)
            if (insertMatch(sql, source, position.generation, match, playerName,
                            file.modifiedSeconds))
                ++outcome.newMatches;
        outcome.more = read.stoppedAtLimit || (capped && resume < file.size);
        if (resume != position.offset) {
            position.offset = resume;
            position.tail = tailBefore(source.path, resume);
            savePosition(sql, source.path, position);
            replaced = false; // saved
        }
    }
    if (replaced)
        savePosition(sql, source.path, position);
    transaction.commit();
    return outcome;
}

void ResultsStore::recordLaunch(const GameLogSource& source, const std::string& setupName,
                                const std::string& playerName, long long nowSeconds) {
    if (source.path.empty())
        return;
    readLog(source, playerName, nowSeconds);
    Sql sql(connection_, path_);
    Transaction transaction(sql);
    const Position position = positionOf(sql, source.path);
    FileState file;
    long long generation = position.generation;
    unsigned long long offset = 0;
    if (fileState(source.path, file))
        offset = file.size;
    else
        ++generation; // the game makes a new log: the next one the reader meets
    sql.run("INSERT INTO launches (launched_at, setup_name, installation, player_name, log_path,"
            " generation, log_offset, server_port) VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
            {bytes(localTime(nowSeconds)), bytes(setupName), bytes(source.installation),
             bytes(playerName), bytes(source.path), generation, QVariant::fromValue(offset),
             serverPortOf(source.serverPort)});
    transaction.commit();
}

std::vector<SeriesResult> ResultsStore::series(std::size_t maxSeries) const {
    Sql sql(connection_, path_);
    std::vector<SeriesResult> result;
    QSqlQuery q = sql.run("SELECT id, started_at, setup_name, installation, launch_id,"
                          " server_port FROM series WHERE id IN (SELECT series_id FROM matches)"
                          " ORDER BY id DESC LIMIT ?",
                          {QVariant::fromValue(static_cast<qulonglong>(maxSeries))});
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
    for (MatchResult& match :
         loadMatches(sql, "WHERE series_id >= ? ORDER BY id", {result.back().id})) {
        const auto found = byId.find(match.seriesId);
        if (found != byId.end())
            result[found->second].matches.push_back(std::move(match));
    }
    return result;
}

std::vector<MatchResult> ResultsStore::lastMatches(std::size_t count) const {
    Sql sql(connection_, path_);
    return loadMatches(sql,
                       "WHERE id IN (SELECT id FROM matches ORDER BY id DESC LIMIT ?)"
                       " ORDER BY id",
                       {QVariant::fromValue(static_cast<qulonglong>(count))});
}

std::optional<std::string> ResultsStore::preference(const std::string& key) const {
    Sql sql(connection_, path_);
    QSqlQuery q = sql.run("SELECT value FROM preferences WHERE key = ?", {bytes(key)});
    if (!q.next())
        return std::nullopt;
    return text(q.value(0));
}

void ResultsStore::setPreference(const std::string& key, const std::string& value) {
    Sql sql(connection_, path_);
    sql.run("INSERT OR REPLACE INTO preferences (key, value) VALUES (?, ?)",
            {bytes(key), bytes(value)});
}

} // namespace velkarn
