#pragma once

#include "core/platform/FileSystem.h"
#include "core/results/GameLogSource.h"
#include "core/results/ResultsStore.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velkarn {

// The results of one run: the store, opened at its first use, kept up to date with the log of
// the game in use, and the launches Velkarn makes. Reading is incremental, so it is done
// whenever the log may have changed: when the file system says so, and on a poll once a second
// that only looks at the file unless something changed. Nothing here throws: a failure is kept
// in problem() for the windows, and a launch never fails because of its results. A results
// file another program holds is never waited on: the poll tries it again each second.
class ResultsTracker : public QObject {
    Q_OBJECT
public:
    // Which log to read and whose results they are, as the game options and the player options
    // say at the moment of reading. May throw (no game set).
    struct Source {
        GameLogSource log;
        std::string playerName; // with color codes
    };
    using SourceProvider = std::function<Source()>;

    ResultsTracker(std::string appDir, SourceProvider source, QObject* parent = nullptr);
    ~ResultsTracker() override;

    // The store, or nullptr when it cannot be opened (problem() says why).
    ResultsStore* store();
    // Reads what the log added, until caught up; true when matches were recorded (and
    // resultsChanged was emitted).
    bool update();
    // Follows the log while the program runs; reads it at once.
    void startWatching();
    // Notes that Velkarn starts the game now with the setup so named (see ResultsStore).
    void recordLaunch(const std::string& setupName);
    // Notes that Velkarn joins a server now. The join's length is known when this run sees its
    // game end (the pid file goes), and only then.
    void recordJoin(const std::string& address, const std::string& name);
    // The servers joined, the last joined first; empty when the store cannot be read.
    std::vector<RecentServer> recentServers();
    // The game options or the player changed: the next look works out the log again rather
    // than the poll doing so every second.
    void forgetSource();

    // The recorded series, newest first, as the store held them after the last change: at
    // most ResultsStore::MaxSeriesListed of them.
    const std::vector<SeriesResult>& series();
    // The newest series in which the player finished a map, among all that is recorded, not
    // only those series() lists; nullptr when there is none.
    const SeriesResult* lastSeriesWithPlayer();
    // Over everything recorded, as the store summed it after the last change.
    struct Totals {
        std::size_t series = 0;
        std::vector<Standing> bots;
        std::vector<Standing> playerMaps;
    };
    const Totals& totals();

    // The Simple page's "Bots adapt to my results", kept in the results file beside the results
    // it follows (so it goes with --appdir, and setup files keep their format). False when the
    // file cannot be opened.
    bool botsAdapt();
    void setBotsAdapt(bool adapt);

    // Why the last reading failed, or why there is nothing to read; empty when all is well.
    const std::string& problem() const { return problem_; }
    // The log read last; empty before the first reading.
    const std::string& logPath() const { return logPath_; }

    // The poll's interval; tests make it short.
    static constexpr int PollMilliseconds = 1000;

signals:
    void resultsChanged();
    void recentServersChanged();
    void problemChanged();

private:
    // A look at the log file and the game: reading again is needed only when it changed.
    struct Look {
        std::string path;
        FileState file;
        bool exists = false;
        bool running = false;
        bool operator==(const Look& other) const;
    };
    const Source& currentSource();
    void poll();
    void watch(const GameLogSource& log);
    void setProblem(std::string problem);
    // A query for the windows failed; a busy file is read again by the next poll.
    void cannotShow(const std::exception& error);
    // `value` as `reading` gets it from the store, read once after each change (`read` says it
    // was); empty when the store cannot be read, which is said.
    template <typename Value, typename Read>
    const Value& readOnce(Value& value, bool& read, Read reading);
    void saveBotsAdapt();
    void recordLaunchesLeft(ResultsStore& results);
    void resultsRecorded();

    std::string appDir_;
    SourceProvider provideSource_;
    std::optional<Source> source_; // as last worked out
    std::unique_ptr<ResultsStore> store_;
    std::string problem_;
    std::string logPath_;
    Look lastLook_;
    // The results file was busy, or the log not read to its end: the poll reads again although
    // the log has not changed. The windows' views are read again once the file is free.
    bool readAgain_ = false;
    bool reloadPending_ = false;
    // Chosen, or launched, while the file was busy.
    std::optional<bool> unsavedBotsAdapt_;
    struct UnrecordedLaunch {
        Source source;
        std::string setupName;
        long long at = 0;
        std::optional<FileState> log;
    };
    std::vector<UnrecordedLaunch> unrecordedLaunches_;
    std::vector<SeriesResult> series_;
    bool seriesLoaded_ = false;
    std::optional<SeriesResult> olderPlayerSeries_; // when none listed holds the player
    bool olderPlayerSeriesLoaded_ = false;
    std::optional<long long> openJoin_; // the join whose game may still run
    Totals totals_;
    bool totalsLoaded_ = false;
    // Made by startWatching: a file system watcher needs the event loop of an application,
    // which the commands of the command line do not run.
    std::unique_ptr<QTimer> poll_;
    std::unique_ptr<QFileSystemWatcher> watcher_;
};

} // namespace velkarn
