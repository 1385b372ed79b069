#include "core/results/ResultsSchema.h"

#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/results/ResultsSql.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <vector>

namespace velkarn::results {

namespace {

// A server Velkarn joined: when (seconds since 1970) and, when the game was seen to end,
// until when. The game's log says nothing of a game on someone else's server.
constexpr const char* JoinsTable =
    "CREATE TABLE joins (id INTEGER PRIMARY KEY, joined_at INTEGER NOT NULL,"
    " address BLOB NOT NULL, name BLOB NOT NULL, installation BLOB NOT NULL, ended_at INTEGER)";

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
    JoinsTable,
};

// Each step takes a file of the version before it to the next one.
const std::vector<const char*> SchemaSteps[] = {
    // 1 to 2: which server a match was played on.
    {"ALTER TABLE launches ADD COLUMN server_port INTEGER",
     "ALTER TABLE series ADD COLUMN server_port INTEGER",
     "ALTER TABLE matches ADD COLUMN server_port INTEGER"},
    // 2 to 3: the servers joined.
    {JoinsTable},
};

// The tables a file of each version holds, to tell a damaged file from an older one.
int tablesOfVersion(int version) {
    return version >= 3 ? 7 : 6;
}

// Takes a file of an older schema to this one, in one transaction.
void upgradeSchema(const QString& connection, const std::string& path, int version) {
    Sql sql(connection, path);
    Transaction transaction(sql);
    for (int step = version; step < SchemaVersion; ++step)
        for (const char* statement : SchemaSteps[step - 1])
            sql.run(statement);
    sql.run(QString("PRAGMA user_version = %1").arg(SchemaVersion));
    transaction.commit();
}

void createSchema(const QString& connection, const std::string& path) {
    Sql sql(connection, path);
    Transaction transaction(sql);
    for (const char* statement : Schema)
        sql.run(statement);
    sql.run(QString("PRAGMA user_version = %1").arg(SchemaVersion));
    transaction.commit();
}

} // namespace

void openResultsFile(const QString& connection, const std::string& path) {
    const std::string leftAlone = " Velkarn leaves it as it is.";
    if (folderExists(path))
        throw UserMessage("The results file " + path + " is a folder." + leftAlone);
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    if (!db.isValid())
        throw UserMessage("Cannot open the results file " + path +
                          ": Qt's SQLite driver (libqt6sql6-sqlite) is missing.");
    if (!db.open())
        throw UserMessage("Cannot open the results file " + path + ": " +
                          db.lastError().text().toStdString() + "." + leftAlone);
    // Nothing below writes until the file is known to be ours and not newer.
    QSqlQuery query(db);
    auto unreadable = [&] {
        failWith(query.lastError(), path,
                 UserMessage("The results file " + path + " cannot be read (" +
                             query.lastError().text().toStdString() + ")." + leftAlone));
    };
    if (!query.exec("PRAGMA user_version") || !query.next())
        unreadable();
    const int version = query.value(0).toInt();
    if (version > SchemaVersion)
        throw UserMessage("The results file " + path + " comes from a newer Velkarn (schema " +
                          std::to_string(version) + "; this one knows " +
                          std::to_string(SchemaVersion) + ")." + leftAlone);
    if (!query.exec("PRAGMA quick_check") || !query.next())
        unreadable();
    if (query.value(0).toString() != "ok")
        throw UserMessage("The results file " + path + " is damaged (" +
                          query.value(0).toString().toStdString() + ")." + leftAlone);
    if (!query.exec("SELECT count(*) FROM sqlite_master") || !query.next())
        unreadable();
    const int tables = query.value(0).toInt();
    query.finish();
    if (version == 0 && tables == 0) {
        createSchema(connection, path);
        return;
    }
    if (version < 1 || version > SchemaVersion)
        throw UserMessage("The results file " + path + " holds no Velkarn results." + leftAlone);
    if (!query.exec("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN"
                    " ('log_positions', 'launches', 'series', 'matches', 'participants',"
                    " 'preferences', 'joins')") ||
        !query.next())
        unreadable();
    if (query.value(0).toInt() != tablesOfVersion(version))
        throw UserMessage("The results file " + path + " is damaged (tables are missing)." +
                          leftAlone);
    query.finish();
    if (version < SchemaVersion)
        upgradeSchema(connection, path, version);
}

} // namespace velkarn::results
