#pragma once

#include "core/launch/ServePlan.h"
#include "core/launch/TournamentHandOver.h"
#include "core/platform/AttachedProcess.h"

#include <QObject>
#include <QTimer>
#include <string>

namespace velkarn {

// How long an engine asked to quit may take before it is killed.
constexpr int DefaultQuitGraceMs = 3000;

// One run of a dedicated server in the foreground: writes the plan's script, starts the engine
// and passes its output on line by line until it ends, handing a finished Tournament over to
// the rotation's next entry when the plan says so. Asked to stop, it tells the engine to "quit"
// on its console (its standard input) and kills it when it is still there after the grace
// time. A second request within the grace time is the same request (a signal to a whole
// process group reaches this program twice); a third kills at once.
//
// The exit status says how the engine ended: 0 when it quit cleanly after stop(), else its own
// exit status, or 128 + the signal's number when a signal killed it (137 when it had to be
// killed after stop()).
class ServerRun : public QObject {
    Q_OBJECT
public:
    explicit ServerRun(int quitGraceMs = DefaultQuitGraceMs, QObject* parent = nullptr);

    // Writes the script, then starts the engine. Throws as writeServeScript does, or
    // UserMessage naming the program when the engine cannot be started.
    void start(const Installation& installation, const ServePlan& plan);
    // True when this request kills the engine rather than asking it to quit.
    bool stop();
    bool running() const { return process_.running(); }
    int exitStatus() const { return exitStatus_; }

signals:
    void outputLine(const std::string& line);
    void finished(int exitStatus);

private:
    void takeLine(const std::string& line);
    void takeEnd(const ProcessEnd& end);

    int quitGraceMs_;
    AttachedProcess process_;
    QTimer killTimer_;
    int stopRequests_ = 0;
    bool handsOverTournaments_ = false;
    TournamentHandOver handOver_;
    int exitStatus_ = 0;
};

} // namespace velkarn
