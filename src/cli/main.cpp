#include "cli/CommandLine.h"
#include "cli/DemoCommands.h"
#include "cli/GameCommands.h"
#include "cli/JoinCommands.h"
#include "cli/MenuCommand.h"
#include "cli/NetworkCommands.h"
#include "cli/PlayCommand.h"
#include "cli/ResultsCommand.h"
#include "cli/ScanCommand.h"
#include "cli/ServeCommand.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Random.h"
#include "core/platform/SignalWatcher.h"
#include "core/platform/SystemLayout.h"
#include "core/session/Session.h"
#include "packaging/DesktopIdentity.h"
#include "ui/main/AppWindows.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/DesktopNotifier.h"
#include "ui/widgets/QtDialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <unistd.h>

using namespace velkarn;

namespace {

// Velkarn's own folder: the portable one given, else XDG_DATA_HOME/velkarn, made when missing.
std::string appDirFrom(const CommandLine& commandLine) {
    if (commandLine.appDir.empty()) {
        std::string folder = defaultAppDir(SystemLayout::current());
        if (!createFolder(folder) && !folderExists(folder))
            std::cerr << "velkarn: cannot create the folder " << folder << "\n";
        return folder;
    }
    return withTrailingSlash(absoluteFrom(commandLine.appDir));
}

// The running program's own path, links resolved; what it was started as when that fails.
std::string programPath(const char* startedAs) {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? absoluteFrom(startedAs) : self.string();
}

int runWindows(int argc, char** argv, const std::string& appDir) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Velkarn");
    QApplication::setApplicationName("Velkarn");
    QApplication::setApplicationDisplayName("Velkarn");
    applyDesktopIdentity();
    QtDialogs realDialogs;
    installDialogs(&realDialogs);
    const auto seed = static_cast<std::uint32_t>(std::random_device{}());
    Session session(appDir, seed);
    AppWindows windows(session);
    QObject::connect(&windows.mainWindow(), &MainWindow::exitRequested, &app,
                     [] { QCoreApplication::exit(0); });
    // A logout, a shutdown or a closed terminal ends the program as closing its window does,
    // so the setup and the server list are saved; a second signal ends it at once.
    SignalWatcher signalWatcher({SIGTERM, SIGINT, SIGHUP}, SignalWatcher::Repeat::EndsAtOnce);
    bool starting = true;
    bool closedDuringStart = false;
    QObject::connect(&signalWatcher, &SignalWatcher::received, &windows.mainWindow(),
                     [&] { closedDuringStart = windows.mainWindow().close() && starting; });
    windows.start();
    starting = false;
    // The start-up runs its own event loops: a signal there closes the window before the
    // program's loop, which would then wait for a window that is gone.
    if (closedDuringStart) {
        installDialogs(nullptr);
        return 0;
    }
    // Results read at start, then followed while the program runs.
    session.results.startWatching();
    const int status = QApplication::exec();
    installDialogs(nullptr);
    return status;
}

} // namespace

int main(int argc, char** argv) {
    const CommandLine commandLine =
        parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (commandLine.command) {
    case CommandLine::Command::Help:
        std::cout << usageText();
        return 0;
    case CommandLine::Command::Version:
        std::cout << "velkarn " << VELKARN_VERSION << "\n";
        return 0;
    case CommandLine::Command::BadUsage:
        std::cerr << "velkarn: " << commandLine.problem << "\n\n" << usageText();
        return 2;
    case CommandLine::Command::Play: {
        QCoreApplication app(argc, argv); // the results note the launch through Qt SQL
        return runPlayCommand(appDirFrom(commandLine), commandLine.setupName, commandLine.playMode,
                              std::cout, std::cerr);
    }
    case CommandLine::Command::Results: {
        QCoreApplication app(argc, argv);
        return runResultsCommand(appDirFrom(commandLine), commandLine.lastCount, std::cout,
                                 std::cerr);
    }
    case CommandLine::Command::Demos:
        return runDemosCommand(appDirFrom(commandLine), std::cout, std::cerr);
    case CommandLine::Command::Demo:
        return runDemoCommand(appDirFrom(commandLine), commandLine.demoName, commandLine.demoPrint,
                              std::cout, std::cerr);
    case CommandLine::Command::Join: {
        QCoreApplication app(argc, argv); // the results note the join through Qt SQL
        JoinWaiting waiting;
        waiting.wait = commandLine.joinWait;
        waiting.timing.giveUpMs =
            commandLine.giveUpMinutes.value_or(DefaultGiveUpMinutes) * 60 * 1000;
        waiting.notify = [](const std::string& title, const std::string& text) {
            DesktopNotifier::notifyWithoutWindows(QString::fromLocal8Bit(title.c_str()),
                                                  QString::fromLocal8Bit(text.c_str()));
        };
        return runJoinCommand(appDirFrom(commandLine), commandLine.server, waiting, std::cout,
                              std::cerr);
    }
    case CommandLine::Command::Recent: {
        QCoreApplication app(argc, argv);
        return runRecentCommand(appDirFrom(commandLine), std::cout, std::cerr);
    }
    case CommandLine::Command::Menu: {
        // The entry runs this very program, with the folder it was given.
        std::vector<std::string> program{programPath(argv[0])};
        if (!commandLine.appDir.empty())
            program.insert(program.end(), {"--appdir", appDirFrom(commandLine)});
        return runMenuCommand(appDirFrom(commandLine), commandLine.setupName,
                              commandLine.removeMenuEntry, program, SystemLayout::current(),
                              std::cout, std::cerr);
    }
    case CommandLine::Command::Scan:
        return runScanCommand(appDirFrom(commandLine), std::cout, std::cerr);
    case CommandLine::Command::Games:
        return runGamesCommand(SystemLayout::current(), std::cout, std::cerr);
    case CommandLine::Command::Use:
        return runUseCommand(appDirFrom(commandLine), commandLine.gameChoice,
                             SystemLayout::current(), std::cout, std::cerr);
    case CommandLine::Command::Status: {
        QCoreApplication app(argc, argv);
        return runStatusCommand(commandLine.server, std::cout, std::cerr);
    }
    case CommandLine::Command::Servers: {
        QCoreApplication app(argc, argv);
        return runServersCommand(appDirFrom(commandLine), commandLine.masters, commandLine.servers,
                                 std::cout, std::cerr);
    }
    case CommandLine::Command::Serve: {
        QCoreApplication app(argc, argv);
        const ProgramPlace place{
            appDirFrom(commandLine), !commandLine.appDir.empty(),
            QCoreApplication::applicationFilePath().toLocal8Bit().toStdString(),
            ::isatty(STDOUT_FILENO) == 1};
        return runServeCommand(place, commandLine.setupName, commandLine.serve, std::cout,
                               std::cerr);
    }
    case CommandLine::Command::Rcon: {
        QCoreApplication app(argc, argv);
        const char* password = std::getenv("VELKARN_RCON_PASSWORD");
        const std::string passwordFile = rconPasswordFileFor(
            appDirFrom(commandLine), commandLine.server, commandLine.passwordFile);
        return runRconCommand(commandLine.server, passwordFile,
                              password ? std::optional<std::string>(password) : std::nullopt,
                              commandLine.rconCommand, std::cout, std::cerr);
    }
    case CommandLine::Command::Windows:
        break;
    }
    return runWindows(argc, argv, appDirFrom(commandLine));
}
