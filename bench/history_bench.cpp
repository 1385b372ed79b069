// Times a round of questions over 4,096 loopback servers, side by side in one run: each answer
// taken as before the ping history (status, facts, buddies) and taken with it (LiveServer, which
// also keeps the round). Rounds alternate, so both meet the same machine; the median of each is
// printed with the process's peak memory. Goal: with history as fast as without, within 64 MiB.
//
// Usage: history_bench [servers] [rounds]   (default 4096 and 7)

#include "LoopbackServers.h"
#include "core/network/LiveServer.h"
#include "core/network/QueryEngine.h"
#include "support/UdpResponder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

using namespace velkarn;
using namespace velkarn::test;

enum class Taking { WithoutHistory, WithHistory };

// One round: every server asked, each answer (or silence) taken into its row.
double round(const std::vector<ServerAddress>& servers, std::vector<LiveServer>& rows,
             Taking taking, int& answers) {
    QueryEngine engine;
    const BuddyList buddies;
    answers = 0;
    bool done = false;
    QObject::connect(&engine, &QueryEngine::serverAnswered, [&](int id, const ServerStatus& s) {
        LiveServer& row = rows[static_cast<std::size_t>(id)];
        if (taking == Taking::WithHistory) {
            row.takeAnswer(&s, buddies);
        } else {
            row.status = s;
            row.facts = factsOf(s);
            row.findBuddies(buddies);
        }
        ++answers;
    });
    QObject::connect(&engine, &QueryEngine::serverSilent, [&](int id, int requests) {
        LiveServer& row = rows[static_cast<std::size_t>(id)];
        if (taking == Taking::WithHistory)
            row.takeAnswer(nullptr, buddies, requests);
        else
            row.status.reset();
    });
    QObject::connect(&engine, &QueryEngine::finished, [&] { done = true; });
    QElapsedTimer clock;
    clock.start();
    engine.queryServers(servers);
    runEventsUntil([&] { return done; }, 30000);
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

long peakMemoryKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 4096;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 7;
    velkarn::bench::LoopbackServers responders(count);
    responders.start();
    responders.ready.acquire();

    std::vector<LiveServer> without(static_cast<std::size_t>(count));
    std::vector<LiveServer> with(static_cast<std::size_t>(count));
    std::vector<double> withoutMs, withMs;
    int answersWithout = 0, answersWith = 0;
    for (int i = 0; i < rounds; ++i) {
        withoutMs.push_back(
            round(responders.servers, without, Taking::WithoutHistory, answersWithout));
        withMs.push_back(round(responders.servers, with, Taking::WithHistory, answersWith));
    }
    std::printf("round over %d servers, without history: %8.1f ms median of %d, %d answers\n",
                count, median(withoutMs), rounds, answersWithout);
    std::printf("round over %d servers, with history:    %8.1f ms median of %d, %d answers\n",
                count, median(withMs), rounds, answersWith);
    std::printf("history kept: %zu bytes a server, %d rounds each\n", sizeof(PingHistory),
                with.front().history.rounds());
    std::printf("peak memory of the whole process (responders too): %ld KiB (goal: 64 MiB)\n",
                peakMemoryKiB());
    responders.quit();
    responders.wait();
    return answersWith == count ? 0 : 1;
}
