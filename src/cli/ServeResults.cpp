#include "cli/ServeResults.h"

#include <QDateTime>

namespace velkarn {

namespace {

// The engine writes a map's last line to its log right after the console's.
constexpr int ReadDelayMs = 500;

long long now() {
    return QDateTime::currentSecsSinceEpoch();
}

} // namespace

ServeResults::ServeResults(const std::string& appDir, GameLogSource log,
                           const std::string& setupName, std::ostream& err)
    : log_(std::move(log)), err_(err) {
    readSoon_.setSingleShot(true);
    readSoon_.setInterval(ReadDelayMs);
    connect(&readSoon_, &QTimer::timeout, this, &ServeResults::read);
    log_.running = true;
    try {
        store_ = std::make_unique<ResultsStore>(appDir);
        store_->recordLaunch(log_, setupName, "", now());
    } catch (const std::exception& error) {
        fail(error);
    }
}

ServeResults::~ServeResults() = default;

void ServeResults::lineSeen(const std::string& line) {
    if (store_ && line.starts_with("ShutdownGame:"))
        readSoon_.start();
}

void ServeResults::engineEnded() {
    readSoon_.stop();
    log_.running = false;
    read();
}

void ServeResults::read() {
    if (!store_)
        return;
    try {
        while (store_->readLog(log_, "", now()).more) {
        }
    } catch (const std::exception& error) {
        fail(error);
    }
}

void ServeResults::fail(const std::exception& error) {
    err_ << "velkarn: the results of this server are not kept: " << error.what() << "\n"
         << std::flush;
    store_.reset();
}

} // namespace velkarn
