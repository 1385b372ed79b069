#include "core/launch/ServerRun.h"

#include "core/platform/Errors.h"

namespace velkarn {

ServerRun::ServerRun(int quitGraceMs, QObject* parent)
    : QObject(parent), quitGraceMs_(quitGraceMs) {
    killTimer_.setSingleShot(true);
    connect(&killTimer_, &QTimer::timeout, &process_, &AttachedProcess::kill);
    connect(&process_, &AttachedProcess::lineRead, this, &ServerRun::outputLine);
    connect(&process_, &AttachedProcess::finished, this, &ServerRun::takeEnd);
}

void ServerRun::start(const Installation& installation, const ServePlan& plan) {
    writeServeScript(installation, plan);
    if (!process_.start(plan.command, plan.workingFolder))
        throw UserMessage("Cannot start the dedicated server " + plan.command.front() + ": " +
                          process_.errorText());
}

void ServerRun::stop() {
    if (!running())
        return;
    if (stopAsked_) {
        process_.kill();
        return;
    }
    stopAsked_ = true;
    process_.writeLine("quit");
    killTimer_.start(quitGraceMs_);
}

void ServerRun::takeEnd(const ProcessEnd& end) {
    killTimer_.stop();
    // A clean quit after stop() is the engine's own 0.
    exitStatus_ = end.signalled ? 128 + end.code : end.code;
    emit finished(exitStatus_);
}

} // namespace velkarn
