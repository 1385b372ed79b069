#include "core/results/ResultsStore.h"

#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"
#include "core/results/GameLog.h"
#include "core/results/LogPosition.h"
#include "core/results/MatchRecording.h"
#include "core/results/ResultsSchema.h"
#include "core/results/ResultsSql.h"

#include <QSqlDatabase>
#include <algorithm>
#include <atomic>

namespace velkarn {

using namespace results;

namespace {

QString newConnectionName() {
    static std::atomic<int> counter{0};
    return QString("velkarn-results-%1").arg(++counter);
}

} // namespace

ResultsStore::ResultsStore(const std::string& appDir, std::size_t logPieceBytes)
    : connection_(newConnectionName()), path_(filePath(appDir)),
      pieceBytes_(std::max<std::size_t>(logPieceBytes, 1)) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection_);
        db.setDatabaseName(QString::fromLocal8Bit(path_.c_str()));
        // A file another program holds is tried again later, never waited on: the window's
        // thread reads it.
        db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=0");
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
    FileState file;
    if (source.path.empty() || !fileState(source.path, file))
        return {};
    try {
        return readLogPiece(source, file, playerName, gameRunning(source, nowSeconds));
    } catch (...) {
        reader_.reset(); // it went on past what was recorded
        throw;
    }
}

LogReadOutcome ResultsStore::readLogPiece(const GameLogSource& source, const FileState& file,
                                          const std::string& playerName, bool running) {
    LogReadOutcome outcome;
    Sql sql(connection_, path_);
    Transaction transaction(sql);
    Position position = positionOf(sql, source.path);
    bool unsaved = !position.known || position.identity != file.identity ||
                   file.size < position.offset ||
                   tailBefore(source.path, position.offset) != position.tail;
    if (unsaved) { // a new log
        position.known = true;
        position.identity = file.identity;
        ++position.generation;
        position.offset = 0;
        position.tail.clear();
    }
    if (file.size > position.offset) {
        GameLogReader& reader = readerAt(source.path, position);
        const std::string piece = readFileRange(source.path, reader.offset(), pieceBytes_);
        const bool cut = piece.size() == pieceBytes_;
        const GameLogRead read = reader.read(piece, cut || running);
        for (const LogMatch& match : read.matches)
            if (insertMatch(sql, source, position.generation, match, playerName,
                            file.modifiedSeconds))
                ++outcome.newMatches;
        outcome.more = read.stoppedAtLimit || cut;
        if (read.resumeOffset != position.offset) {
            position.offset = read.resumeOffset;
            position.tail = tailBefore(source.path, read.resumeOffset);
            unsaved = true;
        }
    }
    if (unsaved)
        savePosition(sql, source.path, position);
    transaction.commit();
    return outcome;
}

GameLogReader& ResultsStore::readerAt(const std::string& logPath,
                                      const results::Position& position) {
    // A reader goes on where it stopped only while the results file says the log was read to
    // where that reader left it; another program may have read on, or the log was replaced.
    if (!reader_ || readerLog_ != logPath || readerGeneration_ != position.generation ||
        reader_->resumeOffset() != position.offset) {
        reader_ = std::make_unique<GameLogReader>(position.offset);
        readerLog_ = logPath;
        readerGeneration_ = position.generation;
    }
    return *reader_;
}

void ResultsStore::recordLaunch(const GameLogSource& source, const std::string& setupName,
                                const std::string& playerName, long long nowSeconds) {
    if (source.path.empty())
        return;
    readLog(source, playerName, nowSeconds);
    recordLaunch(source, setupName, playerName, nowSeconds, logAtLaunch(source));
}

std::optional<FileState> ResultsStore::logAtLaunch(const GameLogSource& source) {
    FileState file;
    if (source.path.empty() || !fileState(source.path, file))
        return std::nullopt;
    return file;
}

void ResultsStore::recordLaunch(const GameLogSource& source, const std::string& setupName,
                                const std::string& playerName, long long launchedAt,
                                const std::optional<FileState>& log) {
    if (source.path.empty())
        return;
    Sql sql(connection_, path_);
    Transaction transaction(sql);
    const Position position = positionOf(sql, source.path);
    // The maps after the mark are the launch's: in the log read so far, or else in the file the
    // next reading meets (a new one when the game makes its log).
    const bool readSoFar = log && position.known && position.identity == log->identity;
    const long long generation = position.generation + (readSoFar ? 0 : 1);
    const unsigned long long offset = log ? log->size : 0;
    sql.run("INSERT INTO launches (launched_at, setup_name, installation, player_name, log_path,"
            " generation, log_offset, server_port) VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
            {bytes(localTime(launchedAt)), bytes(setupName), bytes(source.installation),
             bytes(playerName), bytes(source.path), generation, QVariant::fromValue(offset),
             serverPortOf(source.serverPort)});
    transaction.commit();
}

} // namespace velkarn
