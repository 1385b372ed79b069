#include "cli/NetworkCommands.h"

#include "core/launch/ServedPasswordFile.h"
#include "core/network/BuddyFile.h"
#include "core/network/LiveServer.h"
#include "core/network/RconText.h"
#include "core/network/ServerStatus.h"
#include "core/platform/Errors.h"
#include "core/session/StartupFiles.h"
#include "core/setup/PlayerName.h"

#include <QEventLoop>
#include <QTimer>
#include <exception>
#include <optional>

namespace velkarn {

namespace {

// Runs the engine's query until it finishes; a name lookup that never returns is cut off after
// this long beyond the waits themselves, so the command always ends.
constexpr int LookupAllowanceMs = 15000;

void waitForQuery(QueryEngine& engine, const QueryTiming& timing) {
    QEventLoop loop;
    QObject::connect(&engine, &QueryEngine::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(timing.waitMs * (timing.retries + 1) * 2 + LookupAllowanceMs, &loop,
                       &QEventLoop::quit);
    if (engine.running())
        loop.exec();
    engine.stop();
}

} // namespace

int runStatusCommand(const ServerAddress& server, std::ostream& out, std::ostream& err,
                     QueryTiming timing) {
    QueryEngine engine(timing);
    std::optional<ServerStatus> answer;
    QObject::connect(&engine, &QueryEngine::serverAnswered,
                     [&answer](int, const ServerStatus& status) { answer = status; });
    engine.queryServers({server});
    waitForQuery(engine, timing);
    if (!answer) {
        err << "No answer from " << formatServerAddress(server) << ".\n";
        return 1;
    }
    for (const auto& [key, value] : answer->settings)
        out << key << '\t' << value << '\n';
    out << '\n';
    for (const PlayerLine& player : answer->players)
        out << player.score << '\t' << player.ping << '\t' << plainName(player.name) << '\n';
    return 0;
}

int runServersCommand(const std::string& appDir, std::vector<MasterServer> masters,
                      const ServersArguments& choice, std::ostream& out, std::ostream& err,
                      QueryTiming timing, const CountryDatabase& countries) {
    BuddyList buddies;
    if (choice.buddiesOnly) {
        const BuddyFileRead read = readBuddyFile(appDir);
        for (const std::string& problem : read.problems)
            err << problem << '\n';
        if (read.names.empty()) {
            err << buddyFile(appDir) << " names no buddy.\n";
            return 1;
        }
        buddies = BuddyList(read.names);
    }
    if (masters.empty()) {
        try {
            MasterListRead read = readMasterList(appDir);
            for (const std::string& problem : read.problems)
                err << problem << '\n';
            masters = std::move(read.masters);
        } catch (const std::exception& error) {
            err << error.what() << '\n';
            return 1;
        }
    }
    QueryEngine engine(timing);
    std::vector<ServerAddress> listed;
    QObject::connect(&engine, &QueryEngine::serverListed,
                     [&listed](int id, const ServerAddress& address) {
                         listed.resize(static_cast<std::size_t>(id) + 1);
                         listed[static_cast<std::size_t>(id)] = address;
                     });
    QObject::connect(
        &engine, &QueryEngine::serverAnswered, [&](int id, const ServerStatus& status) {
            LiveServer server{
                formatServerAddress(listed[static_cast<std::size_t>(id)]), {}, {}, {}, {}, {}};
            server.takeAnswer(&status, buddies);
            server.country = countries.countryOf(listed[static_cast<std::size_t>(id)].host);
            if ((choice.buddiesOnly && server.buddies.empty()) || !choice.filter.accepts(server))
                return;
            out << server.address << '\t' << status.pingMs << '\t' << status.playersText() << '\t'
                << status.map() << '\t' << plainName(status.hostName());
            for (std::size_t i = 0; i < server.buddies.size(); ++i)
                out << (i == 0 ? '\t' : ',') << server.buddies[i];
            out << '\n' << std::flush;
        });
    QObject::connect(&engine, &QueryEngine::masterSilent, [&err](const ServerAddress& master) {
        err << "No answer from " << formatServerAddress(master) << ".\n";
    });
    engine.queryMasters(masters);
    waitForQuery(engine, timing);
    return 0;
}

namespace {

std::string rconPassword(const std::string& passwordFile,
                         const std::optional<std::string>& environmentPassword) {
    if (!passwordFile.empty())
        return readPasswordFile(passwordFile);
    if (!environmentPassword)
        throw UserMessage("rcon needs the server's password: give --password-file FILE or set "
                          "VELKARN_RCON_PASSWORD (a server this machine serves from a setup "
                          "with a remote console password file needs neither).");
    return *environmentPassword;
}

std::string joinedWords(const std::vector<std::string>& words) {
    std::string command;
    for (const std::string& word : words)
        command += (command.empty() ? "" : " ") + word;
    return command;
}

} // namespace

std::string rconPasswordFileFor(const std::string& appDir, const ServerAddress& server,
                                const std::string& given) {
    if (!given.empty())
        return given;
    return servedRconPasswordFile(setupFolder(appDir), server.host, server.port);
}

int runRconCommand(const ServerAddress& server, const std::string& passwordFile,
                   const std::optional<std::string>& environmentPassword,
                   const std::vector<std::string>& words, std::ostream& out, std::ostream& err,
                   RemoteConsoleTiming timing) {
    RemoteConsole console(timing);
    std::optional<std::string> reply;
    bool cutOff = false;
    QEventLoop loop;
    QObject::connect(&console, &RemoteConsole::answered, [&](const std::string& text, bool cut) {
        reply = text;
        cutOff = cut;
        loop.quit();
    });
    QObject::connect(&console, &RemoteConsole::silent, &loop, &QEventLoop::quit);
    try {
        console.send(server, rconPassword(passwordFile, environmentPassword), joinedWords(words));
    } catch (const std::exception& error) {
        err << error.what() << '\n';
        return 1;
    }
    // A name lookup that never returns is cut off too.
    QTimer::singleShot(timing.maxMs + LookupAllowanceMs, &loop, &QEventLoop::quit);
    if (console.waiting())
        loop.exec();
    if (!reply) {
        err << "No answer from " << formatServerAddress(server) << ".\n";
        return 1;
    }
    const std::string text = plainConsoleText(*reply);
    std::ostream& to = isRconRefusal(*reply) ? err : out;
    to << text << (text.empty() || text.ends_with('\n') ? "" : "\n");
    if (isRconRefusal(*reply))
        return 1;
    if (cutOff)
        err << "The reply was cut off: it was longer than a server's reply can be.\n";
    return 0;
}

} // namespace velkarn
