// How long the server filters take after a keystroke, over the most servers a search keeps
// (4,096), each with 16 players: the search field's text changes and the list is filtered again.
//   BM_PlainLoop        baseline: the same filter applied by a loop over the servers;
//   BM_ProxyRefilter    the servers' filter proxy of the windows filtering its source again;
//   BM_ProxyWithTable   the same with a table view over the proxy, as Find Servers shows it.
// The goal is to keep up with typing: well under the 30 ms or so between two keys of a fast
// typist, and within a few times the baseline.

#include "core/network/BuddyBook.h"
#include "core/network/LiveServer.h"
#include "core/network/ServerFilter.h"
#include "ui/models/LiveServersModel.h"
#include "ui/models/ServerFilterModel.h"
#include "ui/network/ServerTableView.h"

#include <QApplication>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace velkarn;

constexpr int ServerCount = 4096;
constexpr int PlayersEach = 16;

// "^<color><word><number>", a name as the game colors it.
std::string codedName(int color, const char* word, int number) {
    std::string name = "^";
    name += static_cast<char>('0' + color % 8);
    name += word;
    name += std::to_string(number);
    return name;
}

// The servers as a search leaves them: answered, with color-coded names, some bots.
std::vector<LiveServer> answeredServers() {
    static const char* const maps[] = {"q3dm17", "q3dm6", "oa_dm1", "q3tourney2", "q3ctf1"};
    std::vector<LiveServer> servers;
    const BuddyList buddies({"Nobody Here"});
    for (int s = 0; s < ServerCount; ++s) {
        ServerStatus status;
        status.settings = {{"sv_hostname", codedName(s, "Server ^7number ", s)},
                           {"mapname", maps[s % 5]},
                           {"g_gametype", std::to_string(s % 5)},
                           {"sv_maxclients", "24"},
                           {"gamename", s % 3 ? "baseq3" : "baseoa"}};
        for (int p = 0; p < PlayersEach; ++p)
            status.players.push_back(
                {p, p % 4 ? 40 + p : 0, codedName(p, "Player", s * PlayersEach + p), false});
        status.pingMs = 20 + s % 300;
        LiveServer server{"127.0.0.1:" + std::to_string(20000 + s), {}, {}, {}, {}, {}};
        server.takeAnswer(&status, buddies);
        servers.push_back(std::move(server));
    }
    return servers;
}

// The servers as a live-server model, as the windows' server models give them to the proxy.
class ServersTable : public LiveServersModel {
public:
    ServersTable(BuddyBook& buddies, std::vector<LiveServer> servers)
        : LiveServersModel(buddies, nullptr) {
        live_ = std::move(servers);
    }
    int columnCount(const QModelIndex& = {}) const override { return 6; }
    QVariant data(const QModelIndex& index, int role) const override {
        return role == Qt::DisplayRole ? QVariant(index.row()) : QVariant();
    }
};

// Each keystroke types one more letter of a player's name, or takes one back.
ServerFilter keystroke(int& typed) {
    static const char* const texts[] = {"player40", "player409", "player4095", "player409"};
    ServerFilter filter;
    filter.hideFull = true;
    filter.search = texts[typed++ % 4];
    return filter;
}

const std::vector<LiveServer>& servers() {
    static const std::vector<LiveServer> made = answeredServers();
    return made;
}

void BM_PlainLoop(benchmark::State& state) {
    int typed = 0;
    for (auto _ : state) {
        const ServerFilter filter = keystroke(typed);
        int shown = 0;
        for (const LiveServer& server : servers())
            shown += filter.shows(server) ? 1 : 0;
        benchmark::DoNotOptimize(shown);
    }
}

void BM_ProxyRefilter(benchmark::State& state) {
    BuddyBook buddies(""); // never read nor written here
    ServersTable table(buddies, servers());
    ServerFilterModel shown(table);
    int typed = 0;
    for (auto _ : state) {
        shown.setFilter(keystroke(typed));
        benchmark::DoNotOptimize(shown.rowCount());
    }
}

void BM_ProxyWithTable(benchmark::State& state) {
    BuddyBook buddies(""); // never read nor written here
    ServersTable table(buddies, servers());
    ServerFilterModel shown(table);
    std::unique_ptr<QTableView> view(serverTableView(&shown, "foundServerTable", nullptr));
    view->resize(900, 500);
    view->show();
    int typed = 0;
    for (auto _ : state) {
        shown.setFilter(keystroke(typed));
        QApplication::processEvents(); // the view lays out and paints what is shown now
        benchmark::DoNotOptimize(shown.rowCount());
    }
}

} // namespace

BENCHMARK(BM_PlainLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProxyRefilter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProxyWithTable)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
