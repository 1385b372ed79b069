#include "cli/ServeCommand.h"

#include "cli/ServeResults.h"
#include "cli/SetupLoading.h"
#include "core/launch/ServiceUnit.h"
#include "core/network/RconText.h"
#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/PortLock.h"
#include "core/platform/PrintableText.h"
#include "core/platform/Process.h"
#include "core/platform/SignalWatcher.h"
#include "core/session/Session.h"

#include <QEventLoop>
#include <ostream>

namespace velkarn {

namespace {

// A password file given on the command line is taken from the current folder, one kept in
// configs/NAME.server from the configs folder.
std::string passwordFilePath(const std::optional<std::string>& given, const std::string& kept,
                             const Session& session) {
    return given ? absoluteFrom(*given) : absoluteFrom(kept, session.setupFolder());
}

// The server's options: configs/NAME.server, then those given; the passwords read from their
// files.
ServeOptions serveOptions(const Session& session, const std::string& setupName,
                          const ServeArguments& serve) {
    ServeOptions options;
    readServeOptions(serveOptionsPath(session.setupFolder(), setupName), options);
    applyServeArguments(serve, options);
    const std::string passwordFile =
        passwordFilePath(serve.passwordFile, options.passwordFile, session);
    if (!passwordFile.empty())
        options.server.password = readServerPasswordFile(passwordFile);
    const std::string rconPasswordFile =
        passwordFilePath(serve.rconPasswordFile, options.rconPasswordFile, session);
    if (!rconPasswordFile.empty())
        options.server.rconPassword = readPasswordFile(rconPasswordFile);
    return options;
}

// The script as it would be written, but for the passwords, which stay in their files.
void printPlan(const ServePlan& plan, std::ostream& out) {
    for (const std::string& line : plan.script) {
        std::string shown = line;
        for (const std::string_view secret : {"set rconpassword ", "sv_privatePassword "})
            if (line.starts_with(secret))
                shown = std::string(secret) + "********";
        out << shown << '\n';
    }
    out << shellCommandLine(plan.command) << '\n';
}

void printUnit(const ProgramPlace& place, const std::string& setupName, ServeArguments serve,
               std::ostream& out) {
    std::vector<std::string> command =
        serveCommand(place.programPath, place.appDirGiven ? place.appDir : "", setupName);
    // The service runs in the home folder.
    for (auto* file : {&serve.passwordFile, &serve.rconPasswordFile})
        if (*file)
            *file = absoluteFrom(**file);
    for (std::string& argument : serveOptionArguments(serve))
        command.push_back(std::move(argument));
    out << serviceUnitText(command, setupName);
}

// What one serve run needs besides its plan.
struct ServeRunPlace {
    std::string appDir;
    std::string setupName;
    int port = DefaultServePort;
    GameLogSource log;
};

int runServer(const Installation& installation, const ServePlan& plan, const ServeRunPlace& place,
              int quitGraceMs, std::ostream& out, std::ostream& err) {
    const PortLock port(place.port, "velkarn serve " + printableText(place.setupName));
    // Watching first: a signal while the engine starts still makes it quit.
    SignalWatcher watcher;
    ServerRun run(quitGraceMs);
    ServeResults results(place.appDir, place.log, place.setupName, err);
    QObject::connect(&run, &ServerRun::outputLine, [&out, &results](const std::string& line) {
        out << line << '\n' << std::flush;
        results.lineSeen(line);
    });
    QObject::connect(&watcher, &SignalWatcher::received, &run, [&run, &err](int signalNumber) {
        const bool killed = run.stop();
        err << "velkarn: signal " << signalNumber
            << (killed ? ", the server is killed\n" : ", the server is asked to quit\n")
            << std::flush;
    });
    QEventLoop loop;
    QObject::connect(&run, &ServerRun::finished, &loop, &QEventLoop::quit);
    run.start(installation, plan);
    if (run.running())
        loop.exec();
    results.engineEnded();
    return run.exitStatus();
}

// The server's own log, in the folder the engine writes to.
GameLogSource serverLog(const GameSettings& game, const ServePlan& plan, int port) {
    GameLogSource log =
        gameLogSource(game.installation, game.mod.index >= 1 ? game.mod.parameters : "");
    log.path = log.folder + plan.instance + ".log";
    log.note.clear();
    log.serverPort = port;
    return log;
}

int serveSetup(const ProgramPlace& place, const std::string& setupName, const ServeArguments& serve,
               std::ostream& out, std::ostream& err, int quitGraceMs) {
    Session session(place.appDir, 0);
    if (!loadSetupForLaunch(session, setupName, err))
        return 1;
    const std::string name = setupFileNameFromChosenPath(setupName);
    const ServeOptions options = serveOptions(session, name, serve);
    const GameSettings game = session.game.launchSettings();
    const ServePlan plan =
        planServe(game, options, session.setup.rotation, session.setup.catalogue.botNames, name);
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
    return runServer(game.installation, plan,
                     {place.appDir, name, options.port, serverLog(game, plan, options.port)},
                     quitGraceMs, out, err);
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
