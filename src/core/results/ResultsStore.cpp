#include "core/results/ResultsStore.h"

#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"
#include "core/results/GameLog.h"
#include "core/results/LogPosition.h"
#include "core/results/MatchRecording.h"
#include "core/results/ResultsSchema.h"
#include "core/results/ResultsSql.h"

#include <QSqlDatabase>
#include <atomic>

namespace velkarn {

using namespace results;

namespace {

QString newConnectionName() {
    static std::atomic<int> counter{0};
    return QString("velkarn-results-%1").arg(++counter);
}

} // namespace

ResultsStore::ResultsStore(const std::string& appDir)
    : connection_(newConnectionName()), path_(filePath(appDir)) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection_);
        db.setDatabaseName(QString::fromLocal8Bit(path_.c_str()));
    }
    try {
        openResultsFile(connection_, path_);
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

} // namespace velkarn
