#include "core/platform/AttachedProcess.h"

#include <QStringList>
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace velkarn {

namespace {

// A program that writes without line ends is passed on in pieces this long, so its output
// cannot fill the memory.
constexpr qint64 MaxLineBytes = qint64{64} * 1024;

std::string withoutLineEnd(QByteArray line) {
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line.toStdString();
}

} // namespace

AttachedProcess::AttachedProcess(QObject* parent) : QObject(parent) {
    process_.setProcessChannelMode(QProcess::MergedChannels);
    connect(&process_, &QProcess::readyReadStandardOutput, this, &AttachedProcess::readLines);
    connect(&process_, &QProcess::finished, this, &AttachedProcess::takeEnd);
}

AttachedProcess::~AttachedProcess() {
    if (running()) {
        process_.kill();
        process_.waitForFinished();
    }
}

bool AttachedProcess::start(const std::vector<std::string>& command,
                            const std::string& workingFolder) {
    if (command.empty())
        return false;
    QStringList arguments;
    for (auto argument = command.begin() + 1; argument != command.end(); ++argument)
        arguments << QString::fromLocal8Bit(*argument);
    const pid_t parent = ::getpid();
    process_.setChildProcessModifier([parent] {
        // Runs in the child before the program: only async-signal-safe calls.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent) // the parent died before the line above
            ::_exit(127);
        ::setpgid(0, 0);
    });
    process_.setWorkingDirectory(QString::fromLocal8Bit(workingFolder));
    process_.start(QString::fromLocal8Bit(command.front()), arguments);
    return process_.waitForStarted();
}

std::string AttachedProcess::errorText() const {
    return process_.errorString().toLocal8Bit().toStdString();
}

bool AttachedProcess::running() const {
    return process_.state() != QProcess::NotRunning;
}

void AttachedProcess::writeLine(const std::string& line) {
    if (!running())
        return;
    process_.write(QByteArray::fromStdString(line + "\n"));
}

void AttachedProcess::kill() {
    if (running())
        process_.kill();
}

void AttachedProcess::readLines() {
    while (process_.canReadLine() || process_.bytesAvailable() >= MaxLineBytes)
        emit lineRead(withoutLineEnd(process_.readLine(MaxLineBytes)));
}

void AttachedProcess::takeEnd(int exitCode, QProcess::ExitStatus status) {
    readLines();
    if (process_.bytesAvailable() > 0)
        emit lineRead(withoutLineEnd(process_.readAll()));
    emit finished({status == QProcess::CrashExit, exitCode});
}

} // namespace velkarn
