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

bool startDetached(const std::string& program, const std::string& parameters,
                   const std::string& workingFolder) {
    QStringList arguments;
    for (const auto& argument : splitParameters(parameters))
        arguments << QString::fromLocal8Bit(argument);
    return QProcess::startDetached(QString::fromLocal8Bit(program), arguments,
                                   QString::fromLocal8Bit(workingFolder));
}

bool openUrl(const std::string& address) {
    return QDesktopServices::openUrl(QUrl(QString::fromLocal8Bit(address)));
}

} // namespace velkarn
