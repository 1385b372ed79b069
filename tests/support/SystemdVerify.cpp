#include "support/SystemdVerify.h"

#include "core/platform/SystemLayout.h"
#include "support/TempFolder.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace velkarn::test {

std::optional<std::string> systemdVerdict(const std::string& unitText,
                                          const std::string& unitName) {
    const std::string analyze = SystemLayout::current().findOnPath("systemd-analyze");
    if (analyze.empty())
        return std::nullopt;
    TempFolder temp;
    const std::string unit = temp.write(unitName, unitText);
    QProcess verify;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // A user manager needs a runtime folder, which a build machine may not have.
    environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(temp.makeFolder("runtime")));
    verify.setProcessEnvironment(environment);
    verify.start(QString::fromStdString(analyze),
                 {"verify", "--user", QString::fromStdString(unit)});
    if (!verify.waitForFinished(60000))
        return "systemd-analyze did not finish";
    const std::string messages = verify.readAllStandardError().toStdString();
    if (verify.exitCode() == 0 && messages.empty())
        return std::string();
    return "exit status " + std::to_string(verify.exitCode()) + ": " + messages;
}

} // namespace velkarn::test
