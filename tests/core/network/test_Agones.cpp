#include "core/network/AgonesLifecycle.h"
#include "support/HttpResponder.h"
#include "support/UdpResponder.h"

#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

// The conversation's rhythm, ten times faster than in a Pod.
constexpr AgonesTiming Quick{300, 50, 3000, 50, 200, 70, 600, 500};

// What the lifecycle said and did.
struct Told {
    explicit Told(AgonesLifecycle& lifecycle) {
        QObject::connect(&lifecycle, &AgonesLifecycle::gameServerFound, &context,
                         [this](const AgonesGameServer& found) { server = found; });
        QObject::connect(&lifecycle, &AgonesLifecycle::sdkMissing, &context,
                         [this](const std::string& message) { missing = message; });
        QObject::connect(&lifecycle, &AgonesLifecycle::note, &context,
                         [this](const std::string& line) { notes += line + "\n"; });
        QObject::connect(&lifecycle, &AgonesLifecycle::shutdownDone, &context,
                         [this] { done = true; });
    }
    QObject context; // what was told stops reaching this record once it is gone
    std::optional<AgonesGameServer> server;
    std::string missing, notes;
    bool done = false;
};

} // namespace

TEST(AgonesGameServer, TheAnswerGivesThePortNamedGameElseTheFirstAndTheSdkItsPort) {
    const auto server =
        parseAgonesGameServer(QByteArray::fromStdString(gameServerJson("gs-1", 7001)));
    ASSERT_TRUE(server);
    EXPECT_EQ(server->name, "gs-1");
    EXPECT_EQ(server->state, "Scheduled");
    EXPECT_EQ(server->port("game"), 7001);

    const auto camel = parseAgonesGameServer(
        R"({"objectMeta":{"name":"gs-2"},"status":{"ports":[{"name":"other","port":"7100"},)"
        R"({"name":"game","port":7101}]}})");
    ASSERT_TRUE(camel);
    EXPECT_EQ(camel->name, "gs-2");
    EXPECT_EQ(camel->port("game"), 7101);
    EXPECT_EQ(camel->port("missing"), 7100) << "a port given as a string still counts";

    EXPECT_EQ(parseAgonesGameServer(R"({"status":{"ports":[{"port":70000}]}})")->port("game"), 0);
    EXPECT_EQ(parseAgonesGameServer(R"({"status":{}})")->port("game"), 0);
    EXPECT_FALSE(parseAgonesGameServer("<html>502 Bad Gateway</html>"));
    EXPECT_FALSE(parseAgonesGameServer(R"(["not", "an", "object"])"));

    EXPECT_EQ(agonesSdkPort(""), 9358) << "AGONES_SDK_HTTP_PORT set but empty";
    EXPECT_EQ(agonesSdkPort("9400"), 9400);
    for (const char* bad : {"0", "65536", "94a", "-1"})
        EXPECT_EQ(agonesSdkPort(bad), 0) << bad;
}

// What the real engine's test (cli/test_AgonesServe.cpp) does not reach: an engine that answers
// again after a silence, the calls' bodies, and quiet after the shutdown.
TEST(AgonesLifecycle, HealthStopsWhileTheEngineIsSilentAndGoesOnWhenItAnswersAgain) {
    ensureCoreApplication();
    bool frozen = false;
    UdpResponder engine([&](const QByteArray& request) {
        return frozen ? std::vector<QByteArray>{}
                      : std::vector<QByteArray>{statusAnswer("\\sv_hostname\\Fleet", {}, request)};
    });
    HttpResponder sdk;
    AgonesLifecycle lifecycle(sdk.port(), Quick);
    Told told(lifecycle);
    lifecycle.watchEngine(engine.address().port);
    ASSERT_TRUE(runEventsUntil([&] { return sdk.count("/health") >= 2; }));

    frozen = true;
    const qint64 frozenAt = sdk.elapsedMs();
    ASSERT_TRUE(
        runEventsUntil([&] { return told.notes.find("stopped answering") != std::string::npos; }));
    runEventsUntil([] { return false; }, 600);
    const auto pings = sdk.timesOf("/health");
    EXPECT_LE(pings.back(), frozenAt + 150) << "no ping once the engine is silent";

    frozen = false;
    ASSERT_TRUE(
        runEventsUntil([&] { return sdk.count("/health") > static_cast<int>(pings.size()); }));
    EXPECT_NE(told.notes.find("answers again"), std::string::npos);
    EXPECT_EQ(sdk.count("/ready"), 1) << "ready is told once";

    lifecycle.shutdown();
    ASSERT_TRUE(runEventsUntil([&] { return told.done; }));
    const int calls = static_cast<int>(sdk.requests().size());
    runEventsUntil([] { return false; }, 400);
    EXPECT_EQ(static_cast<int>(sdk.requests().size()), calls) << "nothing after the shutdown";
    EXPECT_EQ(sdk.requests().back().path, "/shutdown");
    for (const auto& request : sdk.requests()) {
        EXPECT_EQ(request.body, "{}");
        EXPECT_EQ(request.contentType, "application/json");
    }
}

TEST(AgonesLifecycle, AnSdkServerThatComesLateIsWaitedForOneThatNeverComesIsSaid) {
    ensureCoreApplication();
    const quint16 port = freeTcpPort();
    HttpResponder late(false);
    AgonesLifecycle lifecycle(port, Quick);
    Told told(lifecycle);
    lifecycle.findGameServer();
    runEventsUntil([] { return false; }, 400);
    ASSERT_TRUE(late.listen(port));
    ASSERT_TRUE(runEventsUntil([&] { return told.server.has_value(); }));
    EXPECT_TRUE(told.missing.empty());

    AgonesLifecycle lonely(freeTcpPort(), AgonesTiming{300, 50, 500, 50, 200, 70, 600});
    Told alone(lonely);
    lonely.findGameServer();
    ASSERT_TRUE(runEventsUntil([&] { return !alone.missing.empty(); }));
    EXPECT_NE(alone.missing.find("No answer from the Agones SDK server on 127.0.0.1:"),
              std::string::npos)
        << alone.missing;
    EXPECT_NE(alone.missing.find("AGONES_SDK_HTTP_PORT"), std::string::npos);
    EXPECT_FALSE(alone.server);
}

// With Passthrough Agones may describe the GameServer before it gave the port: serve waits for
// it rather than listen where no player is sent.
TEST(AgonesLifecycle, AGameServerWithoutItsPortIsAskedAgainWithinTheWait) {
    ensureCoreApplication();
    HttpResponder sdk;
    const std::string portless = R"({"object_meta":{"name":"gs-1"},"status":{"state":"Creating"}})";
    sdk.answer("/gameserver", 200, portless);
    AgonesLifecycle lifecycle(sdk.port(), Quick);
    Told told(lifecycle);
    lifecycle.findGameServer("game");
    ASSERT_TRUE(runEventsUntil([&] { return sdk.count("/gameserver") >= 3; }));
    EXPECT_FALSE(told.server);
    sdk.answer("/gameserver", 200, gameServerJson("gs-1", 7002));
    ASSERT_TRUE(runEventsUntil([&] { return told.server.has_value(); }));
    EXPECT_EQ(told.server->port("game"), 7002);

    HttpResponder stuck;
    stuck.answer("/gameserver", 200, portless);
    AgonesLifecycle waiting(stuck.port(), AgonesTiming{300, 50, 500, 50, 200, 70, 600});
    Told never(waiting);
    waiting.findGameServer("game");
    ASSERT_TRUE(runEventsUntil([&] { return !never.missing.empty(); }));
    EXPECT_NE(never.missing.find("gave this GameServer no port \"game\""), std::string::npos)
        << never.missing;
    EXPECT_FALSE(never.server);
}

// A server that takes the connection and never answers, or answers with an error, costs at most
// the call's time, and the shutdown is tried again only within its wait.
TEST(AgonesLifecycle, EveryCallIsBoundedInTime) {
    ensureCoreApplication();
    QTcpServer mute;
    ASSERT_TRUE(mute.listen(QHostAddress::LocalHost, 0));
    AgonesLifecycle lifecycle(mute.serverPort(), AgonesTiming{200, 50, 700, 50, 200, 70, 600});
    Told told(lifecycle);
    lifecycle.findGameServer();
    ASSERT_TRUE(runEventsUntil([&] { return !told.missing.empty(); }, 3000));
    EXPECT_NE(told.missing.find("no answer within 200 ms"), std::string::npos) << told.missing;

    HttpResponder refusing;
    refusing.answer("/shutdown", 503, R"({"error":"not yet"})");
    AgonesLifecycle ending(refusing.port(), Quick);
    Told end(ending);
    QElapsedTimer clock;
    clock.start();
    ending.shutdown();
    ASSERT_TRUE(runEventsUntil([&] { return end.done; }, 3000));
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_GE(refusing.count("/shutdown"), 3) << "tried again within the wait";
    EXPECT_NE(end.notes.find("HTTP status 503"), std::string::npos) << end.notes;

    UdpResponder dead([](const QByteArray&) { return std::vector<QByteArray>{}; });
    AgonesLifecycle waiting(refusing.port(), Quick);
    Told never(waiting);
    waiting.watchEngine(dead.address().port);
    ASSERT_TRUE(runEventsUntil(
        [&] { return never.notes.find("has not answered") != std::string::npos; }, 3000));
    EXPECT_EQ(refusing.count("/ready"), 0);
}
