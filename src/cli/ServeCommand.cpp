#include "cli/ServeCommand.h"

#include "cli/SetupLoading.h"
#include "core/launch/ServiceUnit.h"
#include "core/network/RconText.h"
#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Process.h"
#include "core/platform/SignalWatcher.h"
#include "core/session/Session.h"

#include <QEventLoop>
#include <ostream>

namespace velkarn {

namespace {

constexpr std::string_view RconPasswordLine = "set rconpassword ";

// The server's options: configs/NAME.server, then those given; the password read from its file.
ServeOptions serveOptions(const Session& session, const std::string& setupName,
                          const ServeArguments& serve) {
    ServeOptions options;
    readServeOptions(serveOptionsPath(session.setupFolder(), setupName), options);
    applyServeArguments(serve, options);
    const std::string passwordFile =
        serve.rconPasswordFile ? absoluteFrom(*serve.rconPasswordFile)
                               : absoluteFrom(options.rconPasswordFile, session.setupFolder());
    if (!passwordFile.empty())
        options.server.rconPassword = readPasswordFile(passwordFile);
    return options;
}

// The script as it would be written, but for the password, which stays in its file.
void printPlan(const ServePlan& plan, std::ostream& out) {
    for (const std::string& line : plan.script)
        out << (line.starts_with(RconPasswordLine) ? std::string(RconPasswordLine) + "********"
                                                   : line)
            << '\n';
    out << shellCommandLine(plan.command) << '\n';
}

void printUnit(const ProgramPlace& place, const std::string& setupName, ServeArguments serve,
               std::ostream& out) {
    std::vector<std::string> command =
        serveCommand(place.programPath, place.appDirGiven ? place.appDir : "", setupName);
    // The service runs in the home folder.
    if (serve.rconPasswordFile)
        serve.rconPasswordFile = absoluteFrom(*serve.rconPasswordFile);
    for (std::string& argument : serveOptionArguments(serve))
        command.push_back(std::move(argument));
    out << serviceUnitText(command, setupName);
}

int runServer(const Installation& installation, const ServePlan& plan, int quitGraceMs,
              std::ostream& out, std::ostream& err) {
    // Watching first: a signal while the engine starts still makes it quit.
    SignalWatcher watcher;
    ServerRun run(quitGraceMs);
    QObject::connect(&run, &ServerRun::outputLine, [&out](const std::string& line) {
        out << line << '\n' << std::flush;
    });
    QObject::connect(&watcher, &SignalWatcher::received, &run, [&run, &err](int signalNumber) {
        err << "velkarn: signal " << signalNumber << ", the server is asked to quit\n"
            << std::flush;
        run.stop();
    });
    QEventLoop loop;
    QObject::connect(&run, &ServerRun::finished, &loop, &QEventLoop::quit);
    run.start(installation, plan);
    if (run.running())
        loop.exec();
    return run.exitStatus();
}

int serveSetup(const ProgramPlace& place, const std::string& setupName, const ServeArguments& serve,
               std::ostream& out, std::ostream& err, int quitGraceMs) {
    Session session(place.appDir, 0);
    if (!loadSetupForLaunch(session, setupName, err))
        return 1;
    const std::string name = setupFileNameFromChosenPath(setupName);
    const ServeOptions options = serveOptions(session, name, serve);
    const GameSettings game = session.game.launchSettings();
    const ServePlan plan = planServe(game, options, session.setup.rotation);
    switch (serve.mode) {
    case ServeMode::Print:
        printPlan(plan, out);
        return 0;
    case ServeMode::Unit:
        printUnit(place, name, serve, out);
        return 0;
    case ServeMode::Run:
        break;
    }
    return runServer(game.installation, plan, quitGraceMs, out, err);
}

} // namespace

int runServeCommand(const ProgramPlace& place, const std::string& setupName,
                    const ServeArguments& serve, std::ostream& out, std::ostream& err,
                    int quitGraceMs) {
    try {
        return serveSetup(place, setupName, serve, out, err, quitGraceMs);
    } catch (const std::exception& error) {
        err << error.what() << "\n";
        return 1;
    }
}

} // namespace velkarn
