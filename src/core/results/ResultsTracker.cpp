#include "core/results/ResultsTracker.h"

#include "core/platform/FileSystem.h"

#include <QDateTime>
#include <exception>

namespace velkarn {

namespace {

// Each reading takes at most ResultsStore::MaxLogBytesPerRead; a log of years of servers is
// caught up over several polls rather than in one long wait.
constexpr int MaxReadingsPerUpdate = 8;

constexpr const char* BotsAdaptKey = "botsAdapt";

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
    try {
        const Source& source = currentSource();
        logPath_ = source.log.path;
        watch(source.log);
        const long long now = QDateTime::currentSecsSinceEpoch();
        for (int i = 0; i < MaxReadingsPerUpdate; ++i) {
            const LogReadOutcome outcome = results->readLog(source.log, source.playerName, now);
            recorded += outcome.newMatches;
            if (!outcome.more)
                break;
        }
        setProblem(source.log.note);
    } catch (const std::exception& error) {
        setProblem(error.what());
    }
    if (recorded > 0)
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
    ResultsStore* results = store();
    if (!results)
        return;
    forgetSource();    // a game starts: its config files name the log it will write
    openJoin_.reset(); // which game ends is no longer known
    try {
        const Source& source = currentSource();
        results->recordLaunch(source.log, setupName, source.playerName,
                              QDateTime::currentSecsSinceEpoch());
    } catch (const std::exception& error) {
        setProblem(error.what());
    }
    resultsRecorded(); // the reading before the mark may have found maps
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
    if (look == lastLook_ && store_)
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

const std::vector<SeriesResult>& ResultsTracker::series() {
    if (!seriesLoaded_) {
        seriesLoaded_ = true;
        series_.clear();
        if (ResultsStore* results = store()) {
            try {
                series_ = results->series();
            } catch (const std::exception& error) {
                setProblem(error.what());
            }
        }
    }
    return series_;
}

bool ResultsTracker::botsAdapt() {
    ResultsStore* results = store();
    try {
        return results && results->preference(BotsAdaptKey).value_or("0") == "1";
    } catch (const std::exception& error) {
        setProblem(error.what());
        return false;
    }
}

void ResultsTracker::setBotsAdapt(bool adapt) {
    ResultsStore* results = store();
    if (!results)
        return;
    try {
        results->setPreference(BotsAdaptKey, adapt ? "1" : "0");
    } catch (const std::exception& error) {
        setProblem(error.what());
    }
}

void ResultsTracker::resultsRecorded() {
    seriesLoaded_ = false;
    emit resultsChanged();
}

void ResultsTracker::setProblem(std::string problem) {
    if (problem == problem_)
        return;
    problem_ = std::move(problem);
    emit problemChanged();
}

} // namespace velkarn
