#include "core/platform/Process.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>

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

} // namespace velkarn
