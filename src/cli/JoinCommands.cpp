#include "cli/JoinCommands.h"

#include "cli/SetupLoading.h"
#include "cli/TabField.h"
#include "core/platform/Errors.h"
#include "core/platform/SignalWatcher.h"
#include "core/session/Session.h"

#include <QEventLoop>

namespace velkarn {

void prepareJoin(Session& session, std::ostream& err) {
    const StartupFiles startup = session.readListFiles();
    for (const auto& problem : startup.errors)
        err << problem << "\n";
    requirePathFile(session, startup);
    SetupReadResult read;
    try {
        session.loadDefaultSetup(read);
    } catch (const Error& error) {
        err << error.what() << "\n"; // the player keeps the defaults
    }
    session.chooseSetupModel();
}

SavedServer savedServerAt(const Session& session, const ServerAddress& server) {
    for (const auto& saved : session.setup.servers)
        if (parseServerAddress(saved->address) == server)
            return *saved;
    const std::string address = formatServerAddress(server);
    return {address, address, ""};
}

namespace {

std::string durationText(int ms) {
    return ms % 60000 == 0 ? std::to_string(ms / 60000) + " minutes"
                           : std::to_string(ms / 1000) + " seconds";
}

enum class WaitEnd { PlaceFree, GaveUp, Cancelled };

struct WaitOutcome {
    WaitEnd end = WaitEnd::GaveUp;
    int signalNumber = 0;
    ServerStatus status;
};

WaitOutcome waitForPlace(const ServerAddress& server, const SeatWatchTiming& timing,
                         std::ostream& out) {
    const std::string address = formatServerAddress(server);
    SeatWatcher watcher(timing);
    SignalWatcher stopSignals;
    QEventLoop loop;
    WaitOutcome outcome;
    bool saidFull = false;
    QObject::connect(&watcher, &SeatWatcher::stillFull, [&](const ServerStatus& status) {
        if (!saidFull)
            out << address << " is full (" << status.playersText() << ", " << status.privateSlots()
                << " private): waiting for a public place.\n"
                << std::flush;
        saidFull = true;
    });
    QObject::connect(&watcher, &SeatWatcher::placeFree, [&](const ServerStatus& status) {
        outcome = {WaitEnd::PlaceFree, 0, status};
        loop.quit();
    });
    QObject::connect(&watcher, &SeatWatcher::gaveUp, [&] {
        outcome.end = WaitEnd::GaveUp;
        loop.quit();
    });
    QObject::connect(&stopSignals, &SignalWatcher::received, [&](int signalNumber) {
        watcher.cancel();
        outcome = {WaitEnd::Cancelled, signalNumber, {}};
        loop.quit();
    });
    watcher.watch(server);
    loop.exec();
    return outcome;
}

} // namespace

int runJoinCommand(const std::string& appDir, const ServerAddress& server,
                   const JoinWaiting& waiting, std::ostream& out, std::ostream& err) {
    try {
        Session session(appDir, 0);
        prepareJoin(session, err);
        const SavedServer target = savedServerAt(session, server);
        if (waiting.wait) {
            const WaitOutcome outcome = waitForPlace(server, waiting.timing, out);
            if (outcome.end == WaitEnd::Cancelled) {
                err << "Stopped waiting for a place on " << target.address << ".\n";
                return 128 + outcome.signalNumber;
            }
            if (outcome.end == WaitEnd::GaveUp)
                throw UserMessage("No public place came free on " + target.address + " in " +
                                  durationText(waiting.timing.giveUpMs) + ".");
            out << "A place is free on " << target.address << " (" << outcome.status.playersText()
                << "): joining.\n";
        }
        session.join(target);
        if (waiting.wait && waiting.notify)
            waiting.notify("A place is free",
                           "Joining " + target.name + " (" + target.address + ")");
        return 0;
    } catch (const std::exception& error) {
        err << error.what() << "\n";
        return 1;
    }
}

int runRecentCommand(const std::string& appDir, std::ostream& out, std::ostream& err) {
    try {
        Session session(appDir, 0);
        ResultsStore* store = session.results.store();
        if (!store)
            throw UserMessage(session.results.problem());
        for (const RecentServer& server : store->recentServers())
            out << server.lastJoinedAt << '\t' << tabField(server.address) << '\t'
                << tabField(server.name) << '\t' << server.joins << '\t' << server.playedText()
                << '\n';
        return 0;
    } catch (const std::exception& error) {
        err << error.what() << "\n";
        return 1;
    }
}

} // namespace velkarn
