#include "core/platform/Process.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>
#include <cerrno>
#include <csignal>

namespace velkarn {

std::vector<std::string> splitParameters(const std::string& parameters) {
    std::vector<std::string> arguments;
    for (const QString& argument : QProcess::splitCommand(QString::fromLocal8Bit(parameters)))
        arguments.push_back(argument.toLocal8Bit().toStdString());
    return arguments;
}

bool startDetached(const std::vector<std::string>& command, const std::string& workingFolder) {
    if (command.empty())
        return false;
    QStringList arguments;
    for (auto argument = command.begin() + 1; argument != command.end(); ++argument)
        arguments << QString::fromLocal8Bit(*argument);
    return QProcess::startDetached(QString::fromLocal8Bit(command.front()), arguments,
                                   QString::fromLocal8Bit(workingFolder));
}

bool openUrl(const std::string& address) {
    return QDesktopServices::openUrl(QUrl(QString::fromLocal8Bit(address)));
}

bool processRunning(long long pid) {
    if (pid <= 0 || pid > 0x7fffffff)
        return false;
    // Signal 0 sends nothing; it only asks whether the process is there.
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

} // namespace velkarn
