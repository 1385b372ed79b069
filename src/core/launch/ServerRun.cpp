#include "core/launch/ServerRun.h"

#include "core/platform/Errors.h"

namespace velkarn {

ServerRun::ServerRun(int quitGraceMs, QObject* parent)
    : QObject(parent), quitGraceMs_(quitGraceMs) {
    killTimer_.setSingleShot(true);
    connect(&killTimer_, &QTimer::timeout, &process_, &AttachedProcess::kill);
    connect(&process_, &AttachedProcess::lineRead, this, &ServerRun::takeLine);
    connect(&process_, &AttachedProcess::finished, this, &ServerRun::takeEnd);
}

void ServerRun::start(const Installation& installation, const ServePlan& plan) {
    writeServeScript(installation, plan);
    handsOverTournaments_ = plan.handsOverTournaments;
    if (!process_.start(plan.command, plan.workingFolder))
        throw UserMessage("Cannot start the dedicated server " + plan.command.front() + ": " +
                          process_.errorText());
}

bool ServerRun::stop() {
    if (!running())
        return false;
    if (++stopRequests_ >= 3) {
        process_.kill();
        return true;
    }
    if (stopRequests_ == 1) {
        process_.writeLine("quit");
        killTimer_.start(quitGraceMs_);
    }
    return false;
}

void ServerRun::takeLine(const std::string& line) {
    emit outputLine(line);
    if (const auto command = handOver_.commandAfter(line); command && handsOverTournaments_)
        process_.writeLine(*command);
}

void ServerRun::takeEnd(const ProcessEnd& end) {
    killTimer_.stop();
    // A clean quit after stop() is the engine's own 0.
    exitStatus_ = end.signalled ? 128 + end.code : end.code;
    emit finished(exitStatus_);
}

} // namespace velkarn
