#include "cli/ServeCommand.h"
#include "core/platform/FileSystem.h"
#include "support/HttpResponder.h"
#include "support/TempFolder.h"
#include "support/UdpResponder.h"

#include <QTimer>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

constexpr const char* OpenArenaServer = "/usr/games/openarena-server";
constexpr const char* OpenArenaData = "/usr/share/games/openarena/baseoa/pak0.pk3";

// The engine this process started: its child whose program is the dedicated server.
pid_t engineProcess() {
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line) || line.find("(ioq3ded)") == std::string::npos)
            continue;
        std::istringstream rest(line.substr(line.rfind(')') + 2));
        char state = 0;
        pid_t parent = 0;
        rest >> state >> parent;
        if (parent == ::getpid())
            return static_cast<pid_t>(std::stoi(entry.path().filename().string()));
    }
    return 0;
}

// HOME and XDG_DATA_HOME of this process for one test, so the engine keeps its files there.
struct HomeFor {
    explicit HomeFor(const TempFolder& home) {
        for (const char* name : {"HOME", "XDG_DATA_HOME"})
            saved.emplace_back(name, qgetenv(name));
        qputenv("HOME", QByteArray::fromStdString(home.path()));
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.path() + ".local/share"));
    }
    ~HomeFor() {
        for (const auto& [name, value] : saved)
            qputenv(name, value);
    }
    std::vector<std::pair<const char*, QByteArray>> saved;
};

} // namespace

// A server Pod of a Fleet on the real dedicated engine, its SDK server a responder on the
// loopback: ready after the engine's first answer, health every 2 s, none once the engine is
// frozen (SIGSTOP), shutdown once it has ended.
TEST(AgonesServe, TheRealEngineIsReadyHealthyAndShutDownAsItRuns) {
    if (::access(OpenArenaServer, X_OK) != 0 || !fileExists(OpenArenaData))
        GTEST_SKIP() << "needs Debian's openarena-server with its data";
    ensureCoreApplication();
    TempFolder home, app, setup, secrets;
    const HomeFor homeFor(home);
    setup.write("server.cfg", "sv_maxclients 4\nsv_hostname Fleet Test\ng_motd \n"
                              "sv_privateClients 0\nsv_pure 0\nset rconpassword ********\n"
                              "map oa_dm1\n");
    setup.write("command-line", "");
    secrets.write("rcon-password", "s3cret");
    HttpResponder sdk;
    const quint16 enginePort = freeUdpPort();
    sdk.answer("/gameserver", 200, gameServerJson("velkarn-fleet-x7k2p", enginePort));
    qputenv("AGONES_SDK_HTTP_PORT", QByteArray::number(sdk.port()));

    // Three pings, then the engine freezes for 8 seconds, then it is killed.
    pid_t engine = 0;
    qint64 frozenAt = -1, killedAt = -1;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (frozenAt < 0 && sdk.count("/health") >= 3 && (engine = engineProcess()) != 0) {
            ::kill(engine, SIGSTOP);
            frozenAt = sdk.elapsedMs();
        }
        const bool frozenLongEnough = frozenAt >= 0 && sdk.elapsedMs() - frozenAt >= 8000;
        if (killedAt < 0 && (frozenLongEnough || sdk.elapsedMs() > 90000)) {
            ::kill(engine != 0 ? engine : engineProcess(), SIGKILL);
            killedAt = sdk.elapsedMs();
        }
    });
    driver.start(100);

    ServeArguments pod;
    pod.cluster.preparedFolder = setup.path();
    pod.cluster.secretsFolder = secrets.path();
    std::ostringstream out, err;
    const int status =
        runServeCommand({app.path(), true, "/usr/bin/velkarn"}, "fleet", pod, out, err);
    qunsetenv("AGONES_SDK_HTTP_PORT");
    ASSERT_GE(frozenAt, 0) << err.str() << out.str();

    EXPECT_EQ(status, 137) << "the engine was killed";
    // A script without a log of its own is named for the Pod's port.
    const std::string script = "velkarn-server-prepared-" + std::to_string(enginePort) + ".cfg";
    EXPECT_NE(out.str().find("execing " + script), std::string::npos) << out.str();
    EXPECT_NE(home.read(".openarena/baseoa/" + script).find("set rconpassword s3cret"),
              std::string::npos);
    EXPECT_NE(err.str().find("game port " + std::to_string(enginePort)), std::string::npos)
        << err.str();

    ASSERT_EQ(sdk.count("/ready"), 1);
    const qint64 readyAt = sdk.timesOf("/ready").front();
    std::vector<qint64> before, after;
    for (const qint64 at : sdk.timesOf("/health"))
        (at <= frozenAt ? before : after).push_back(at);
    ASSERT_GE(before.size(), 3u);
    EXPECT_GT(before.front(), readyAt);
    for (std::size_t i = 0; i < before.size(); ++i) {
        const qint64 gap = before[i] - (i == 0 ? readyAt : before[i - 1]);
        EXPECT_GE(gap, 1900) << "ping " << i;
        EXPECT_LE(gap, 3000) << "ping " << i;
    }
    EXPECT_LE(after.size(), 1u) << "at most a ping on its way when the engine froze";
    for (const qint64 at : after)
        EXPECT_LE(at, frozenAt + 6000);
    EXPECT_NE(err.str().find("the engine stopped answering"), std::string::npos) << err.str();

    const auto shutdowns = sdk.timesOf("/shutdown");
    ASSERT_EQ(shutdowns.size(), 1u);
    EXPECT_GE(shutdowns.front(), killedAt);
}
