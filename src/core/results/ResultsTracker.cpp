#include "core/results/ResultsTracker.h"

#include "core/platform/FileSystem.h"
#include "core/results/BotAdaptation.h"

#include <QDateTime>
#include <exception>

namespace velkarn {

namespace {

// Each reading takes at most ResultsStore::MaxLogBytesPerRead; a log of years of servers is
// caught up over several polls rather than in one long wait.
constexpr int MaxReadingsPerUpdate = 8;

constexpr const char* BotsAdaptKey = "botsAdapt";
constexpr const char* TryingAgain = " Velkarn tries again every second.";

} // namespace

bool ResultsTracker::Look::operator==(const Look& other) const {
    return path == other.path && exists == other.exists && running == other.running &&
           file.identity == other.file.identity && file.size == other.file.size &&
           file.modifiedSeconds == other.file.modifiedSeconds;
}

ResultsTracker::ResultsTracker(std::string appDir, SourceProvider source, QObject* parent)
    : QObject(parent), appDir_(std::move(appDir)), provideSource_(std::move(source)) {
}

ResultsTracker::~ResultsTracker() = default;

ResultsStore* ResultsTracker::store() {
    if (!store_) {
        try {
            store_ = std::make_unique<ResultsStore>(appDir_);
        } catch (const std::exception& error) {
            setProblem(error.what());
            reloadPending_ = true;
            return nullptr;
        }
    }
    return store_.get();
}

bool ResultsTracker::update() {
    ResultsStore* results = store();
    if (!results)
        return false;
    int recorded = 0;
    bool busy = false;
    try {
        const Source& source = currentSource();
        logPath_ = source.log.path;
        watch(source.log);
        recordLaunchesLeft(*results);
        const long long now = QDateTime::currentSecsSinceEpoch();
        bool more = true;
        for (int i = 0; i < MaxReadingsPerUpdate && more; ++i) {
            const LogReadOutcome outcome = results->readLog(source.log, source.playerName, now);
            recorded += outcome.newMatches;
            more = outcome.more;
        }
        setProblem(source.log.note);
        readAgain_ = more; // the next poll goes on, though the log has not changed
        saveBotsAdapt();
    } catch (const ResultsFileBusy& error) {
        setProblem(error.what() + std::string(TryingAgain));
        readAgain_ = busy = true;
    } catch (const std::exception& error) {
        setProblem(error.what());
    }
    // What the windows show was not read while the file was busy.
    if (recorded > 0 || (reloadPending_ && !busy))
        resultsRecorded();
    return recorded > 0;
}

void ResultsTracker::startWatching() {
    if (!poll_) {
        poll_ = std::make_unique<QTimer>();
        poll_->setInterval(PollMilliseconds);
        connect(poll_.get(), &QTimer::timeout, this, [this] { poll(); });
        watcher_ = std::make_unique<QFileSystemWatcher>();
        connect(watcher_.get(), &QFileSystemWatcher::fileChanged, this, [this] { poll(); });
        // The game's folder changed: its config file may name another log.
        connect(watcher_.get(), &QFileSystemWatcher::directoryChanged, this, [this] {
            forgetSource();
            poll();
        });
        poll_->start();
    }
    update();
}

void ResultsTracker::recordLaunch(const std::string& setupName) {
    forgetSource();    // a game starts: its config files name the log it will write
    openJoin_.reset(); // which game ends is no longer known
    try {
        const Source& source = currentSource();
        const long long now = QDateTime::currentSecsSinceEpoch();
        // Taken before the game writes to it, so that a launch recorded later marks the same
        // place in the log.
        const auto log = ResultsStore::logAtLaunch(source.log);
        unrecordedLaunches_.push_back({source, setupName, now, log});
        if (ResultsStore* results = store()) {
            results->recordLaunch(source.log, setupName, source.playerName, now);
            unrecordedLaunches_.pop_back();
        }
    } catch (const ResultsFileBusy& error) {
        setProblem(error.what() + std::string(TryingAgain));
        readAgain_ = true;
    } catch (const std::exception& error) {
        setProblem(error.what());
        unrecordedLaunches_.clear();
    }
    resultsRecorded(); // the reading before the mark may have found maps
}

// Before the log is read, so that the maps after a launch join its series.
void ResultsTracker::recordLaunchesLeft(ResultsStore& results) {
    while (!unrecordedLaunches_.empty()) {
        const UnrecordedLaunch& launch = unrecordedLaunches_.front();
        results.recordLaunch(launch.source.log, launch.setupName, launch.source.playerName,
                             launch.at, launch.log);
        unrecordedLaunches_.erase(unrecordedLaunches_.begin());
    }
}

void ResultsTracker::recordJoin(const std::string& address, const std::string& name) {
    ResultsStore* results = store();
    if (!results)
        return;
    forgetSource();
    openJoin_.reset();
    try {
        const std::string installation = currentSource().log.installation;
        openJoin_ =
            results->recordJoin(address, name, installation, QDateTime::currentSecsSinceEpoch());
    } catch (const std::exception& error) {
        setProblem(error.what());
    }
    emit recentServersChanged();
}

std::vector<RecentServer> ResultsTracker::recentServers() {
    ResultsStore* results = store();
    try {
        return results ? results->recentServers() : std::vector<RecentServer>{};
    } catch (const std::exception& error) {
        setProblem(error.what());
        return {};
    }
}

void ResultsTracker::forgetSource() {
    source_.reset();
}

const ResultsTracker::Source& ResultsTracker::currentSource() {
    if (!source_)
        source_ = provideSource_();
    return *source_;
}

void ResultsTracker::poll() {
    Look look;
    try {
        const Source& source = currentSource();
        look.path = source.log.path;
        look.exists = fileState(look.path, look.file);
        look.running = gameRunning(source.log, QDateTime::currentSecsSinceEpoch());
    } catch (const std::exception& error) {
        setProblem(error.what());
        return;
    }
    if (openJoin_ && lastLook_.running && !look.running && store_) {
        try {
            store_->endJoin(*openJoin_, QDateTime::currentSecsSinceEpoch());
        } catch (const std::exception& error) {
            setProblem(error.what());
        }
        openJoin_.reset();
        emit recentServersChanged();
    }
    if (look == lastLook_ && store_ && !readAgain_)
        return;
    lastLook_ = look;
    update();
}

void ResultsTracker::watch(const GameLogSource& log) {
    if (!watcher_)
        return;
    QStringList wanted;
    for (const std::string& path : {log.folder, log.path})
        if (!path.empty() && pathExists(path))
            wanted << QString::fromLocal8Bit(path.c_str());
    const QStringList watched = watcher_->files() + watcher_->directories();
    for (const QString& path : watched)
        if (!wanted.contains(path))
            watcher_->removePath(path);
    for (const QString& path : wanted)
        if (!watched.contains(path))
            watcher_->addPath(path);
}

template <typename Value, typename Read>
const Value& ResultsTracker::readOnce(Value& value, bool& read, Read reading) {
    if (!read) {
        read = true;
        value = {};
        if (ResultsStore* results = store()) {
            try {
                value = reading(*results);
            } catch (const std::exception& error) {
                cannotShow(error);
            }
        }
    }
    return value;
}

const SeriesResult* ResultsTracker::lastSeriesWithPlayer() {
    if (const SeriesResult* listed = velkarn::lastSeriesWithPlayer(series()))
        return listed;
    // Every series is listed, or the player's is older than those that are.
    if (series_.size() < ResultsStore::MaxSeriesListed)
        return nullptr;
    const auto& older =
        readOnce(olderPlayerSeries_, olderPlayerSeriesLoaded_,
                 [](ResultsStore& results) { return results.lastSeriesWithPlayer(); });
    return older ? &*older : nullptr;
}

const std::vector<SeriesResult>& ResultsTracker::series() {
    return readOnce(series_, seriesLoaded_, [](ResultsStore& results) { return results.series(); });
}

const ResultsTracker::Totals& ResultsTracker::totals() {
    return readOnce(totals_, totalsLoaded_, [](ResultsStore& results) {
        return Totals{results.seriesCount(), results.botStandings(), results.playerMapRecords()};
    });
}

bool ResultsTracker::botsAdapt() {
    if (unsavedBotsAdapt_)
        return *unsavedBotsAdapt_;
    ResultsStore* results = store();
    try {
        return results && results->preference(BotsAdaptKey).value_or("0") == "1";
    } catch (const std::exception& error) {
        setProblem(error.what());
        return false;
    }
}

void ResultsTracker::setBotsAdapt(bool adapt) {
    unsavedBotsAdapt_ = adapt;
    saveBotsAdapt();
}

void ResultsTracker::saveBotsAdapt() {
    ResultsStore* results = store();
    if (!results || !unsavedBotsAdapt_)
        return;
    try {
        results->setPreference(BotsAdaptKey, *unsavedBotsAdapt_ ? "1" : "0");
        unsavedBotsAdapt_.reset();
    } catch (const ResultsFileBusy& error) {
        setProblem(error.what());
        readAgain_ = true; // kept until the file is free
    } catch (const std::exception& error) {
        setProblem(error.what());
        unsavedBotsAdapt_.reset();
    }
}

void ResultsTracker::cannotShow(const std::exception& error) {
    setProblem(error.what());
    if (dynamic_cast<const ResultsFileBusy*>(&error)) {
        reloadPending_ = true;
        readAgain_ = true;
    }
}

void ResultsTracker::resultsRecorded() {
    reloadPending_ = false;
    seriesLoaded_ = false;
    olderPlayerSeriesLoaded_ = false;
    totalsLoaded_ = false;
    emit resultsChanged();
}

void ResultsTracker::setProblem(std::string problem) {
    if (problem == problem_)
        return;
    problem_ = std::move(problem);
    emit problemChanged();
}

} // namespace velkarn
