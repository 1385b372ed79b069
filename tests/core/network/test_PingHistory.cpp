#include "core/network/LiveServer.h"
#include "core/network/QueryEngine.h"
#include "support/UdpResponder.h"

#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

// Rounds of questions to a server that drops every third answer: a third of them lost, the
// rest with their pings, in the order asked.
TEST(PingHistory, FollowsAServerThatDropsEveryThirdAnswer) {
    ensureCoreApplication();
    int requests = 0;
    UdpResponder lossy([&](const QByteArray& request) {
        if (++requests % 3 == 0)
            return std::vector<QByteArray>{};
        return std::vector<QByteArray>{statusAnswer("\\sv_hostname\\Lossy", {}, request)};
    });
    QueryEngine engine({150, 0, 32, 5}); // no retry: a dropped answer is a lost round
    LiveServer server{formatServerAddress(lossy.address()), {}, {}, {}, {}, {}};
    bool answered = false;
    QObject::connect(&engine, &QueryEngine::serverAnswered, [&](int, const ServerStatus& status) {
        answered = true;
        server.takeAnswer(&status, {});
    });
    QObject::connect(&engine, &QueryEngine::serverSilent,
                     [&](int) { server.takeAnswer(nullptr, {}); });
    for (int round = 0; round < 9; ++round) {
        engine.queryServers({lossy.address()});
        ASSERT_TRUE(runEventsUntil([&] { return !engine.running(); }));
    }
    ASSERT_TRUE(answered);
    EXPECT_EQ(server.history.rounds(), 9);
    EXPECT_EQ(server.history.lossPercent(), 33);
    const auto pings = server.history.pings();
    for (std::size_t i = 0; i < pings.size(); ++i)
        EXPECT_EQ(pings[i].has_value(), i % 3 != 2) << "round " << i;
}

// With the windows' retry, every round is answered in the end; the loss is then that of the
// requests, as the server dropped them, and each ping is that of the request answered.
TEST(PingHistory, CountsTheRequestsARetryAnsweredAsLost) {
    ensureCoreApplication();
    int received = 0;
    int dropped = 0;
    UdpResponder lossy([&](const QByteArray& request) {
        if (++received % 3 == 0) {
            ++dropped;
            return std::vector<QByteArray>{};
        }
        return std::vector<QByteArray>{statusAnswer("\\sv_hostname\\Lossy", {}, request)};
    });
    QueryEngine engine({150, 1, 32, 5});
    LiveServer server{formatServerAddress(lossy.address()), {}, {}, {}, {}, {}};
    QObject::connect(&engine, &QueryEngine::serverAnswered,
                     [&](int, const ServerStatus& status) { server.takeAnswer(&status, {}); });
    QObject::connect(&engine, &QueryEngine::serverSilent,
                     [&](int, int requests) { server.takeAnswer(nullptr, {}, requests); });
    for (int round = 0; round < 9; ++round) {
        engine.queryServers({lossy.address()});
        ASSERT_TRUE(runEventsUntil([&] { return !engine.running(); }));
    }
    for (const auto& ping : server.history.pings()) {
        ASSERT_TRUE(ping.has_value());
        EXPECT_LT(*ping, 150) << "the retry's own ping, not the wait before it";
    }
    EXPECT_EQ(dropped, 4);
    EXPECT_EQ(server.history.lossPercent(), (dropped * 100 + received / 2) / received);
}

TEST(PingHistory, KeepsOnlyTheLastRounds) {
    PingHistory history;
    EXPECT_FALSE(history.lossPercent());
    for (int round = 0; round < 40; ++round)
        history.record(round < 30 ? std::nullopt : std::optional<int>(round));
    EXPECT_EQ(history.rounds(), static_cast<int>(PingHistory::Rounds));
    const auto pings = history.pings();
    EXPECT_EQ(pings.front(), std::nullopt);
    EXPECT_EQ(pings.back(), 39);
    EXPECT_EQ(history.lossPercent(), 38) << "6 of 16 rounds lost";
    history.record(100000);
    EXPECT_EQ(history.pings().back(), 9999) << "kept within its bounds";
}
