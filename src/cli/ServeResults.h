#pragma once

#include "core/results/GameLogSource.h"
#include "core/results/ResultsStore.h"

#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace velkarn {

// The results of one serve run in results.sqlite: its launch, noted at the start, and the
// matches of its own log, read after each map and once the engine has ended, so that they name
// the server they were played on. A results file that cannot be used is said once on `err`;
// the server runs all the same. One another program holds is tried again a second later.
class ServeResults : public QObject {
    Q_OBJECT
public:
    ServeResults(const std::string& appDir, GameLogSource log, const std::string& setupName,
                 std::ostream& err);
    ~ServeResults() override;

    // A line of the engine's console: the end of a map brings a reading soon after, once the
    // log holds it.
    void lineSeen(const std::string& line);
    // Reads what the log gained, the last map as unfinished when the engine was cut short.
    void engineEnded();

private:
    void read();

    std::string appDir_;
    GameLogSource log_;
    std::string setupName_;
    std::ostream& err_;
    long long launchedAt_;
    std::optional<FileState> logAtLaunch_;
    bool launchRecorded_ = false;
    bool busySaid_ = false;
    bool givenUp_ = false;
    std::unique_ptr<ResultsStore> store_;
    QTimer readSoon_;
};

} // namespace velkarn
