// Times asking 500 servers on loopback, as a master's list is asked, three ways in one run:
//   (a) baseline: one plain socket sends all 500 status requests at once and reads answers,
//       matching nothing and parsing nothing;
//   (b) the query engine: paced requests, answers matched, parsed and timed;
//   (c) the Find Servers window: a master's list of 500, every server asked, the table filled.
// The responders run in a thread of their own, so the figures are the querier's. Goal: (c)
// within about two seconds.
//
// Usage: query_bench [servers]   (default 500)

#include "LoopbackServers.h"
#include "core/network/QueryEngine.h"
#include "core/network/ServerPackets.h"
#include "core/session/Session.h"
#include "support/UdpResponder.h"
#include "ui/network/FindServersWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QUdpSocket>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

using namespace velkarn;
using namespace velkarn::test;
using velkarn::bench::LoopbackServers;

double baselineBlast(const std::vector<ServerAddress>& servers, int& answers) {
    QUdpSocket socket;
    socket.bind(QHostAddress::AnyIPv4, 0);
    QElapsedTimer clock;
    clock.start();
    const std::string request = statusRequest("x");
    for (const ServerAddress& server : servers)
        socket.writeDatagram(request.data(), static_cast<qint64>(request.size()),
                             QHostAddress(QString::fromStdString(server.host)), server.port);
    answers = 0;
    QByteArray buffer(65536, '\0');
    while (answers < static_cast<int>(servers.size()) && clock.elapsed() < 2000) {
        if (socket.waitForReadyRead(50))
            while (socket.hasPendingDatagrams() &&
                   socket.readDatagram(buffer.data(), buffer.size()) > 0)
                ++answers;
    }
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

double engineQuery(const std::vector<ServerAddress>& servers, int& answers) {
    QueryEngine engine;
    answers = 0;
    bool done = false;
    QObject::connect(&engine, &QueryEngine::serverAnswered, [&](int, const ServerStatus&) {
        if (++answers == static_cast<int>(servers.size()))
            done = true;
    });
    QObject::connect(&engine, &QueryEngine::finished, [&] { done = true; });
    QElapsedTimer clock;
    clock.start();
    engine.queryServers(servers);
    runEventsUntil([&] { return done; }, 10000);
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

double windowSearch(const ServerAddress& master, int count, int& rows) {
    const auto appDir = std::filesystem::temp_directory_path() / "velkarn-query-bench/";
    std::filesystem::create_directories(appDir);
    Session session(appDir.string(), 1);
    {
        std::FILE* file = std::fopen((appDir / "masters.txt").c_str(), "w");
        std::fprintf(file, "%s 68\n", formatServerAddress(master).c_str());
        std::fclose(file);
    }
    FindServersWindow window(session);
    const QAbstractItemModel& table = *window.findChild<QTableView*>("foundServerTable")->model();
    QElapsedTimer clock;
    clock.start();
    window.findServers();
    runEventsUntil([&] { return table.rowCount() >= count; }, 10000);
    rows = table.rowCount();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window keeps its place and filters with QSettings: here, not in the user's settings.
    const auto settings = std::filesystem::temp_directory_path() / "velkarn-query-bench/config";
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(settings.string()));
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 500;
    LoopbackServers responders(count);
    responders.start();
    responders.ready.acquire();

    int answers = 0;
    const double blast = baselineBlast(responders.servers, answers);
    std::printf("(a) baseline, all requests at once, unmatched: %8.1f ms, %d of %d answers\n",
                blast, answers, count);
    const double engine = engineQuery(responders.servers, answers);
    std::printf("(b) query engine, paced and matched:           %8.1f ms, %d of %d answers\n",
                engine, answers, count);
    int rows = 0;
    const double window = windowSearch(responders.master, count, rows);
    std::printf("(c) Find Servers window, master to full table: %8.1f ms, %d of %d rows"
                " (goal: about 2000 ms)\n",
                window, rows, count);
    responders.quit();
    responders.wait();
    return rows == count ? 0 : 1;
}
