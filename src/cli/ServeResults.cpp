#include "cli/ServeResults.h"

#include <QDateTime>

namespace velkarn {

namespace {

// The engine writes a map's last line to its log right after the console's.
constexpr int ReadDelayMs = 500;
constexpr int BusyRetryMs = 1000;

long long now() {
    return QDateTime::currentSecsSinceEpoch();
}

} // namespace

ServeResults::ServeResults(const std::string& appDir, GameLogSource log,
                           const std::string& setupName, std::ostream& err)
    : appDir_(appDir), log_(std::move(log)), setupName_(setupName), err_(err), launchedAt_(now()),
      logAtLaunch_(ResultsStore::logAtLaunch(log_)) {
    readSoon_.setSingleShot(true);
    readSoon_.setInterval(ReadDelayMs);
    connect(&readSoon_, &QTimer::timeout, this, &ServeResults::read);
    log_.running = true;
    read();
}

ServeResults::~ServeResults() = default;

void ServeResults::lineSeen(const std::string& line) {
    if (!givenUp_ && line.starts_with("ShutdownGame:"))
        readSoon_.start(ReadDelayMs);
}

void ServeResults::engineEnded() {
    readSoon_.stop();
    log_.running = false;
    read();
}

void ServeResults::read() {
    if (givenUp_)
        return;
    try {
        if (!store_)
            store_ = std::make_unique<ResultsStore>(appDir_);
        if (!launchRecorded_) {
            store_->recordLaunch(log_, setupName_, "", launchedAt_, logAtLaunch_);
            launchRecorded_ = true;
        }
        while (store_->readLog(log_, "", now()).more) {
        }
        busySaid_ = false;
    } catch (const ResultsFileBusy& error) {
        // Nothing was recorded: the next reading goes on from the same place.
        if (!busySaid_)
            err_ << "velkarn: " << error.what() << " Trying again in a second.\n" << std::flush;
        busySaid_ = true;
        readSoon_.start(BusyRetryMs);
    } catch (const std::exception& error) {
        err_ << "velkarn: the results of this server are not kept: " << error.what() << "\n"
             << std::flush;
        store_.reset();
        givenUp_ = true;
    }
}

} // namespace velkarn
