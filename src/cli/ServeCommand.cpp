#include "cli/ServeCommand.h"

#include "cli/AgonesLink.h"
#include "cli/PodServer.h"
#include "cli/ServeResults.h"
#include "cli/SetupLoading.h"
#include "core/launch/ScriptPasswords.h"
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
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
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
    for (const std::string& line : maskedScript(plan.script))
        out << line << '\n';
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

// Where a served setup's matches are recorded: its log is "<instance>.log" in the folder the
// engine writes to. A server Pod records none.
struct ResultsPlace {
    std::string appDir;
    std::string setupName;
    GameLogSource log; // its folder and installation
};

ResultsPlace resultsPlace(const std::string& appDir, const std::string& setupName,
                          const GameSettings& game) {
    GameLogSource log =
        gameLogSource(game.installation, game.mod.index >= 1 ? game.mod.parameters : "");
    log.note.clear();
    return {appDir, setupName, log};
}

// Runs the engine until it ends, holding its port; with `agones`, Agones is told ready and
// health while it answers on `port`, and shutdown after it ended.
int runServer(const Installation& installation, const ServePlan& plan, int quitGraceMs,
              AgonesLifecycle* agones, int port, const std::optional<ResultsPlace>& recorded,
              std::ostream& out, std::ostream& err) {
    const PortLock portLock(
        port, "velkarn serve " + printableText(recorded ? recorded->setupName : plan.instance));
    // Watching first: a signal while the engine starts still makes it quit.
    SignalWatcher watcher;
    ServerRun run(quitGraceMs);
    std::unique_ptr<ServeResults> results;
    if (recorded) {
        GameLogSource log = recorded->log;
        log.path = log.folder + plan.instance + ".log";
        log.serverPort = port;
        results = std::make_unique<ServeResults>(recorded->appDir, log, recorded->setupName, err);
    }
    QObject::connect(&run, &ServerRun::outputLine, [&out, &results](const std::string& line) {
        out << line << '\n' << std::flush;
        if (results)
            results->lineSeen(line);
    });
    QObject::connect(&watcher, &SignalWatcher::received, &run, [&run, &err](int signalNumber) {
        const bool killed = run.stop();
        err << "velkarn: signal " << signalNumber
            << (killed ? ", the server is killed\n" : ", the server is asked to quit\n")
            << std::flush;
    });
    QEventLoop loop;
    QObject::connect(&run, &ServerRun::finished, &loop, [&loop, agones] {
        if (agones)
            agones->shutdown();
        else
            loop.quit();
    });
    if (agones) {
        QObject::connect(agones, &AgonesLifecycle::note, &loop, [&err](const std::string& line) {
            err << "velkarn: " << line << '\n' << std::flush;
        });
        QObject::connect(agones, &AgonesLifecycle::shutdownDone, &loop, &QEventLoop::quit);
    }
    run.start(installation, plan);
    if (run.running()) {
        if (agones)
            agones->watchEngine(port);
        loop.exec();
    }
    if (results)
        results->engineEnded();
    return run.exitStatus();
}

// Runs the plan for the server's port: the one Agones gave when serve speaks its SDK and --port
// names none, else `port`. The plan is made once before the SDK server is asked, so that what
// it refuses is said at once.
int runOnPort(const Installation& installation, const std::function<ServePlan(int)>& planFor,
              int port, const ServeArguments& serve, const std::optional<ResultsPlace>& recorded,
              std::ostream& out, std::ostream& err, int quitGraceMs,
              const AgonesTiming& agonesTiming) {
    const ServePlan plan = planFor(port);
    const auto sdkPort = agonesSdkPortFor(serve.cluster, std::getenv("AGONES_SDK_HTTP_PORT"));
    if (!sdkPort)
        return runServer(installation, plan, quitGraceMs, nullptr, port, recorded, out, err);
    AgonesLifecycle agones(*sdkPort, agonesTiming);
    const int given = findAgonesGamePort(agones, !serve.port, err);
    if (!serve.port)
        port = given;
    return runServer(installation, planFor(port), quitGraceMs, &agones, port, recorded, out, err);
}

// serve NAME --prepared DIR, in a server Pod.
int servePrepared(const ProgramPlace& place, const ServeArguments& serve, std::ostream& out,
                  std::ostream& err, int quitGraceMs, const AgonesTiming& agonesTiming) {
    const PodServer pod = readPodServer(place.appDir, serve.cluster);
    const auto planFor = [&pod](int port) {
        return planPreparedServe(pod.installation, pod.prepared, pod.passwords, port);
    };
    const int port = serve.port.value_or(DefaultServePort);
    if (serve.mode == ServeMode::Print) {
        printPlan(planFor(port), out);
        return 0;
    }
    return runOnPort(pod.installation, planFor, port, serve, std::nullopt, out, err, quitGraceMs,
                     agonesTiming);
}

int serveSetup(const ProgramPlace& place, const std::string& setupName, const ServeArguments& serve,
               std::ostream& out, std::ostream& err, int quitGraceMs,
               const AgonesTiming& agonesTiming) {
    if (serve.cluster.preparedFolder)
        return servePrepared(place, serve, out, err, quitGraceMs, agonesTiming);
    Session session(place.appDir, 0);
    if (!loadSetupForLaunch(session, setupName, err))
        return 1;
    const std::string name = setupFileNameFromChosenPath(setupName);
    const ServeOptions options = serveOptions(session, name, serve);
    const GameSettings game = session.game.launchSettings();
    const auto planFor = [&](int port) {
        ServeOptions onPort = options;
        onPort.port = port;
        return planServe(game, onPort, session.setup.rotation, session.setup.catalogue.botNames,
                         name);
    };
    switch (serve.mode) {
    case ServeMode::Print:
        printPlan(planFor(options.port), out);
        return 0;
    case ServeMode::Unit:
        planFor(options.port);
        printUnit(place, name, serve, out);
        return 0;
    case ServeMode::Kube:
    case ServeMode::Agones:
        printClusterManifests(
            serve.mode, serve.cluster, name, game, planFor(options.port), options.port,
            place.terminalOutput ? PasswordDisplay::Masked : PasswordDisplay::Shown, out);
        return 0;
    case ServeMode::Run:
        break;
    }
    return runOnPort(game.installation, planFor, options.port, serve,
                     resultsPlace(place.appDir, name, game), out, err, quitGraceMs, agonesTiming);
}

} // namespace

int runServeCommand(const ProgramPlace& place, const std::string& setupName,
                    const ServeArguments& serve, std::ostream& out, std::ostream& err,
                    int quitGraceMs, const AgonesTiming& agonesTiming) {
    try {
        return serveSetup(place, setupName, serve, out, err, quitGraceMs, agonesTiming);
    } catch (const std::exception& error) {
        err << error.what() << "\n";
        return 1;
    }
}

} // namespace velkarn
