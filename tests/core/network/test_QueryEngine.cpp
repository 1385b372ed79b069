#include "core/network/QueryEngine.h"
#include "support/ServerMix.h"
#include "support/UdpResponder.h"

#include <gtest/gtest.h>
#include <map>

using namespace velkarn;
using namespace velkarn::test;

namespace {

// Short waits keep the tests quick; the behaviour is the same as with the real second.
constexpr QueryTiming Quick{200, 1, 32, 5};

// Everything an engine reported, by id.
struct Reports {
    explicit Reports(QueryEngine& engine) {
        QObject::connect(
            &engine, &QueryEngine::serverAnswered,
            [this](int id, const ServerStatus& status) { answered[id].push_back(status); });
        QObject::connect(&engine, &QueryEngine::serverSilent,
                         [this](int id) { silent.push_back(id); });
        QObject::connect(&engine, &QueryEngine::serverListed,
                         [this](int id, const ServerAddress& address) { listed[id] = address; });
        QObject::connect(&engine, &QueryEngine::finished, [this] { ++finished; });
    }
    std::map<int, std::vector<ServerStatus>> answered;
    std::vector<int> silent;
    std::map<int, ServerAddress> listed;
    int finished = 0;
};

} // namespace

TEST(QueryEngine, AsksAllServersAtOnceAndRetriesTheSilentOnce) {
    ensureCoreApplication();
    const auto good = goodServer("^2Good");
    const auto slow = goodServer("Slow", 120); // answers within the wait
    UdpResponder silent([](const QByteArray&) { return std::vector<QByteArray>{}; });
    QueryEngine engine(Quick);
    Reports reports(engine);
    engine.queryServers({good->address(), silent.address(), slow->address(), good->address()});
    ASSERT_TRUE(runEventsUntil([&] { return reports.finished == 1; }));

    ASSERT_EQ(reports.answered[0].size(), 1u);
    const ServerStatus& status = reports.answered[0].front();
    EXPECT_EQ(status.hostName(), "^2Good");
    EXPECT_EQ(status.playersText(), "2/8");
    EXPECT_GE(status.pingMs, 0);
    EXPECT_LT(status.pingMs, 100);
    EXPECT_EQ(reports.answered[3].size(), 1u) << "a server listed twice is reported for both";
    EXPECT_EQ(good->requestsSeen(), 1) << "and asked once";
    ASSERT_EQ(reports.answered[2].size(), 1u);
    EXPECT_GE(reports.answered[2].front().pingMs, 100);
    EXPECT_EQ(reports.silent, std::vector<int>{1});
    EXPECT_EQ(silent.requestsSeen(), 2);
    EXPECT_FALSE(engine.running());
}

TEST(QueryEngine, HostileAnswersAreDroppedOrCountOnce) {
    ensureCoreApplication();
    // Answers three times over, after junk: one report.
    UdpResponder repeating([](const QByteArray& request) {
        const QByteArray answer = statusAnswer("\\sv_hostname\\Echo", {}, request);
        return std::vector<QByteArray>{"\xff\xff\xff\xffjunk", QByteArray(65000, '\xff'), answer,
                                       answer, answer};
    });
    // A good answer, but from a port never asked.
    UdpResponder stranger(
        [](const QByteArray& request) {
            return std::vector<QByteArray>{statusAnswer("\\sv_hostname\\Stranger", {}, request)};
        },
        0, true);
    QueryEngine engine(Quick);
    Reports reports(engine);
    engine.queryServers({repeating.address(), stranger.address()});
    ASSERT_TRUE(runEventsUntil([&] { return reports.finished == 1; }));
    ASSERT_EQ(reports.answered[0].size(), 1u);
    EXPECT_EQ(reports.answered[0].front().hostName(), "Echo");
    EXPECT_EQ(reports.answered.count(1), 0u);
    EXPECT_EQ(reports.silent, std::vector<int>{1});
}

TEST(QueryEngine, MastersListServersThatAreThenAsked) {
    ensureCoreApplication();
    const auto first = goodServer("One");
    const auto second = goodServer("Two");
    const quint16 a = first->address().port;
    const quint16 b = second->address().port;
    // id's master knows only the plain question. The list comes in two packets, the second one
    // twice, with a server listed twice.
    UdpResponder master([a, b](const QByteArray& request) {
        if (!request.endsWith("getservers 68 empty full"))
            return std::vector<QByteArray>{};
        const QByteArray last = masterAnswer({b, a}, true);
        return std::vector<QByteArray>{masterAnswer({a}, false), last, last};
    });
    QueryEngine engine(Quick);
    Reports reports(engine);
    int mastersAnswered = 0;
    QObject::connect(&engine, &QueryEngine::masterAnswered,
                     [&](const ServerAddress&, int count) { mastersAnswered += count > 0; });
    engine.queryMasters({{master.address(), 68}});
    ASSERT_TRUE(runEventsUntil([&] { return reports.finished == 1; }));
    EXPECT_EQ(mastersAnswered, 1);
    ASSERT_EQ(reports.listed.size(), 2u);
    EXPECT_EQ(reports.listed[0], first->address());
    EXPECT_EQ(reports.listed[1], second->address());
    EXPECT_EQ(reports.answered[1].front().hostName(), "Two");
    EXPECT_EQ(master.requestsSeen(), 3) << "extended, then both questions";
}

TEST(QueryEngine, MasterOnIpv6ListsServersOfBothFamilies) {
    ensureCoreApplication();
    const BothFamiliesMaster servers("getserversExt Quake3Arena 71 empty full");
    const auto& [four, six, sixToo, master] = servers;
    QueryEngine engine(Quick);
    Reports reports(engine);
    engine.queryMasters({{master->address(), 71}});
    ASSERT_TRUE(runEventsUntil([&] { return reports.finished == 1; }));
    ASSERT_EQ(reports.listed.size(), 3u) << "each server once, whichever way it was written";
    EXPECT_EQ(reports.listed[0], six->address());
    EXPECT_EQ(reports.listed[1], four->address());
    EXPECT_EQ(reports.listed[2], sixToo->address());
    EXPECT_EQ(reports.answered[0].front().hostName(), "Six");
    EXPECT_EQ(reports.answered[1].front().hostName(), "Four");
    EXPECT_EQ(reports.answered[2].front().hostName(), "SixToo");
    EXPECT_EQ(master->requestsSeen(), 1);
}

TEST(QueryEngine, StoppingForgetsTheQuery) {
    ensureCoreApplication();
    const auto slow = goodServer("Late", 50);
    QueryEngine engine(Quick);
    Reports reports(engine);
    engine.queryServers({slow->address()});
    runEventsUntil([&] { return slow->requestsSeen() == 1; }, 150);
    engine.stop();
    runEventsUntil([] { return false; }, 150);
    EXPECT_TRUE(reports.answered.empty());
    EXPECT_EQ(reports.finished, 0);
    engine.queryServers({});
    EXPECT_EQ(reports.finished, 1) << "nothing to ask finishes at once";
}

TEST(QueryEngine, AServerAskedLateGetsAnAnswerOfItsOwn) {
    ensureCoreApplication();
    const auto good = goodServer("Good");
    UdpResponder silent([](const QByteArray&) { return std::vector<QByteArray>{}; });
    QueryEngine engine(Quick);
    Reports reports(engine);
    engine.askServer(good->address(), 0); // starts a query of its own
    engine.askServer(silent.address(), 1);
    ASSERT_TRUE(runEventsUntil([&] { return reports.answered.count(0) == 1; }));
    engine.askServer(good->address(), 2); // done with already, while the query still runs
    ASSERT_TRUE(runEventsUntil([&] { return reports.finished == 1; }));
    EXPECT_EQ(reports.answered[2].size(), 1u);
    EXPECT_EQ(reports.answered[0].size(), 1u);
    EXPECT_EQ(reports.silent, std::vector<int>{1});
    EXPECT_EQ(good->requestsSeen(), 2);
}
