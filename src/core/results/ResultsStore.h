#pragma once

#include "core/results/GameLogSource.h"
#include "core/results/ResultRecords.h"
#include "core/results/ResultsSchema.h"

#include <QString>
#include <cstddef>
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
    static constexpr std::size_t MaxLogBytesPerRead = 16 * 1024 * 1024;

    // Opens appDir + "results.sqlite", making it when missing, and takes a file of an older
    // schema to this one. A file that is no database of ours, is damaged or unreadable, or has
    // a newer schema is left exactly as it is: throws UserMessage naming the file.
    explicit ResultsStore(const std::string& appDir);
    ~ResultsStore();
    ResultsStore(const ResultsStore&) = delete;
    ResultsStore& operator=(const ResultsStore&) = delete;

    static std::string filePath(const std::string& appDir) { return appDir + "results.sqlite"; }
    const std::string& path() const { return path_; }

    // Reads what the log added since the last reading, within the limits of GameLog.h and
    // MaxLogBytesPerRead. A log replaced (another file) or shortened is read from its start.
    // `playerName` (with color codes) names the player when the match has no launch that
    // named one. Throws UserMessage when the database cannot be written (nothing is then
    // recorded), FileOpenError when the log cannot be read.
    LogReadOutcome readLog(const GameLogSource& source, const std::string& playerName,
                           long long nowSeconds);

    // Notes that Velkarn starts a game now: the matches the log gains from here on belong to
    // this launch's series. Reads the log first, so that the mark sits after what is there.
    void recordLaunch(const GameLogSource& source, const std::string& setupName,
                      const std::string& playerName, long long nowSeconds);

    // Notes that Velkarn joins the server at `address` now; returns the join's id.
    long long recordJoin(const std::string& address, const std::string& name,
                         const std::string& installation, long long nowSeconds);
    // The game of that join ended now.
    void endJoin(long long joinId, long long nowSeconds);
    // At most `maxServers` servers joined, the last joined first.
    std::vector<RecentServer> recentServers(std::size_t maxServers = 100) const;

    // At most `maxSeries` series, newest first, each with its maps in play order.
    std::vector<SeriesResult> series(std::size_t maxSeries = 10000) const;
    // The last `count` maps recorded, in the order played.
    std::vector<MatchResult> lastMatches(std::size_t count) const;

    // Small settings kept with the results (the Simple page's "Bots adapt" choice).
    std::optional<std::string> preference(const std::string& key) const;
    void setPreference(const std::string& key, const std::string& value);

private:
    QString connection_;
    std::string path_;
};

} // namespace velkarn
