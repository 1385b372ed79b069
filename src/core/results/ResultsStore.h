#pragma once

#include "core/platform/FileSystem.h"
#include "core/results/GameLog.h"
#include "core/results/GameLogSource.h"
#include "core/results/LogPosition.h"
#include "core/results/ResultRecords.h"
#include "core/results/ResultsFileBusy.h"
#include "core/results/ResultsSchema.h"

#include <QString>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// results.sqlite in Velkarn's own folder: the matches read from the game's log with their
// participants, the series they belong to, the launches Velkarn made, and where reading each
// log stopped. The read position and the matches it covers are committed in one transaction,
// so a match is never recorded twice, even after a crash between the two.
namespace velkarn {

// How far one reading of the log went.
struct LogReadOutcome {
    int newMatches = 0;
    bool more = false; // a limit stopped it; reading again goes on
};

class ResultsStore {
public:
    static constexpr int SchemaVersion = results::SchemaVersion;
    // The most bytes of the log one reading takes in.
    static constexpr std::size_t MaxLogBytesPerRead = std::size_t{16} * 1024 * 1024;

    // Opens appDir + "results.sqlite", making it when missing, and takes a file of an older
    // schema to this one. A file that is no database of ours, is damaged or unreadable, or has
    // a newer schema is left exactly as it is: throws UserMessage naming the file. Each reading
    // of the log takes at most `logPieceBytes` of it.
    explicit ResultsStore(const std::string& appDir,
                          std::size_t logPieceBytes = MaxLogBytesPerRead);
    ~ResultsStore();
    ResultsStore(const ResultsStore&) = delete;
    ResultsStore& operator=(const ResultsStore&) = delete;

    static std::string filePath(const std::string& appDir) { return appDir + "results.sqlite"; }
    const std::string& path() const { return path_; }

    // Reads what the log added since the last reading, within the limits of GameLog.h and the
    // piece size; a match the piece's end cuts is taken by a later reading, whole. A log
    // replaced (another file) or shortened is read from its start.
    // `playerName` (with color codes) names the player when the match has no launch that
    // named one. Throws UserMessage when the database cannot be written (nothing is then
    // recorded), FileOpenError when the log cannot be read.
    LogReadOutcome readLog(const GameLogSource& source, const std::string& playerName,
                           long long nowSeconds);

    // Notes that Velkarn starts a game now: the matches the log gains from here on belong to
    // this launch's series. Reads the log first, so that the mark sits after what is there.
    void recordLaunch(const GameLogSource& source, const std::string& setupName,
                      const std::string& playerName, long long nowSeconds);
    // Records a launch later, when the results file was busy at the time: `log` is the log as
    // the launch found it (logAtLaunch), nothing when there was none. Reads nothing first.
    static std::optional<FileState> logAtLaunch(const GameLogSource& source);
    void recordLaunch(const GameLogSource& source, const std::string& setupName,
                      const std::string& playerName, long long launchedAt,
                      const std::optional<FileState>& log);

    // Notes that Velkarn joins the server at `address` now; returns the join's id.
    long long recordJoin(const std::string& address, const std::string& name,
                         const std::string& installation, long long nowSeconds);
    // The game of that join ended now.
    void endJoin(long long joinId, long long nowSeconds);
    // At most `maxServers` servers joined, the last joined first.
    std::vector<RecentServer> recentServers(std::size_t maxServers = 100) const;

    // At most `maxSeries` series, newest first, each with its maps in play order.
    static constexpr std::size_t MaxSeriesListed = 10000;
    std::vector<SeriesResult> series(std::size_t maxSeries = MaxSeriesListed) const;
    // The newest series in which the player finished a map, however old; none when none is.
    std::optional<SeriesResult> lastSeriesWithPlayer() const;
    // How many series hold a recorded map, however many series() lists.
    std::size_t seriesCount() const;
    // Over everything recorded (finished maps only, as unfinished ones decide nothing): every
    // bot, by name ignoring case, and the player's record on each map, by map.
    std::vector<Standing> botStandings() const;
    std::vector<Standing> playerMapRecords() const;
    // The last `count` maps recorded, in the order played.
    std::vector<MatchResult> lastMatches(std::size_t count) const;

    // Small settings kept with the results (the Simple page's "Bots adapt" choice).
    std::optional<std::string> preference(const std::string& key) const;
    void setPreference(const std::string& key, const std::string& value);

private:
    LogReadOutcome readLogPiece(const GameLogSource& source, const FileState& file,
                                const std::string& playerName, bool running);
    GameLogReader& readerAt(const std::string& logPath, const results::Position& position);

    QString connection_;
    std::string path_;
    std::size_t pieceBytes_;
    // The reading of the last log read goes on where it stopped, so that a match longer than
    // a piece is still read whole.
    std::unique_ptr<GameLogReader> reader_;
    std::string readerLog_;
    long long readerGeneration_ = 0;
};

} // namespace velkarn
