#include "core/platform/Process.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <string_view>

namespace velkarn {

std::vector<std::string> splitParameters(const std::string& parameters) {
    std::vector<std::string> arguments;
    for (const QString& argument : QProcess::splitCommand(QString::fromLocal8Bit(parameters)))
        arguments.push_back(argument.toLocal8Bit().toStdString());
    return arguments;
}

namespace {

std::string shellQuoted(const std::string& argument) {
    const bool plain =
        !argument.empty() && std::all_of(argument.begin(), argument.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) ||
                   std::string_view("+-./:=@_,%").find(c) != std::string_view::npos;
        });
    if (plain)
        return argument;
    std::string quoted = "'";
    for (const char c : argument)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace

std::string shellCommandLine(const std::vector<std::string>& arguments) {
    std::string line;
    for (const std::string& argument : arguments)
        line += (line.empty() ? "" : " ") + shellQuoted(argument);
    return line;
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
