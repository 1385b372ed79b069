#include "core/launch/ServerRun.h"
#include "core/platform/Errors.h"
#include "support/GameFolder.h"
#include "support/RotationFixtures.h"
#include "support/UdpResponder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

// An environment variable for the engines started while it lives.
struct EnvironmentSetting {
    std::string name;
    EnvironmentSetting(std::string variable, const std::string& value) : name(std::move(variable)) {
        ::setenv(name.c_str(), value.c_str(), 1);
    }
    ~EnvironmentSetting() { ::unsetenv(name.c_str()); }
};

struct ServerRunTest : ::testing::Test {
    GameFolder game;
    Rotation rotation =
        listOf<RotationEntry>({rotationEntry("gorge1", Deathmatch, 20, 10, {{"Vexor", 3, ""}})});

    void SetUp() override {
        ensureCoreApplication();
        game.installDedicated();
    }
    GameSettings settings() const { return {game.installation(), "+set sv_fps 30", {}}; }

    struct Outcome {
        int status = -1;
        Lines output;
    };
    // Serves on port 27961 until the engine ends; asks it to stop at its first line when `stop`.
    Outcome serve(bool stop) {
        ServeOptions options;
        options.port = 27961;
        options.server.rconPassword = "s3cret";
        const ServePlan plan = planServe(settings(), options, rotation);
        ServerRun run(100);
        Outcome outcome;
        bool ended = false;
        QObject::connect(&run, &ServerRun::outputLine, [&](const std::string& line) {
            outcome.output.push_back(line);
            if (stop && outcome.output.size() == 1)
                run.stop(); // once: a second stop kills at once
        });
        QObject::connect(&run, &ServerRun::finished, [&](int status) {
            outcome.status = status;
            ended = true;
        });
        run.start(game.installation(), plan);
        EXPECT_TRUE(runEventsUntil([&] { return ended; }, 20000));
        return outcome;
    }
};

} // namespace

TEST_F(ServerRunTest, StopAsksTheEngineToQuitOnItsConsole) {
    const Outcome outcome = serve(true);
    EXPECT_EQ(outcome.status, 0);
    const Lines output = {"tty console mode disabled", "execing velkarn-server.cfg",
                          "------ Server Initialization ------",
                          "----- Server Shutdown (Server quit) -----"};
    EXPECT_EQ(outcome.output, output);

    const Lines run = game.dedicatedRun();
    ASSERT_GE(run.size(), 2u);
    EXPECT_EQ(run[1] + "/", game.path());
    const Lines arguments = {"+set",  "dedicated",      "1",    "+set",   "net_port", "27961",
                             "+exec", "velkarn-server", "+set", "sv_fps", "30"};
    EXPECT_EQ(Lines(run.begin() + 2, run.end()), arguments);

    // The script holds the password: its owner's alone.
    struct stat st {};
    ASSERT_EQ(::stat(game.dir.file("baseq3/velkarn-server.cfg").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    const std::string script = game.dir.read("baseq3/velkarn-server.cfg");
    EXPECT_NE(script.find("set rconpassword s3cret\r\nset g_gametype 0\r\n"), std::string::npos);
    EXPECT_NE(script.find("map gorge1\r\naddbot Vexor 3\r\n"), std::string::npos);
}

TEST_F(ServerRunTest, AnEngineThatIgnoresQuitIsKilled) {
    const EnvironmentSetting stubborn("FAKE_DEDICATED_STUBBORN", "1");
    EXPECT_EQ(serve(true).status, 128 + SIGKILL);
}

TEST_F(ServerRunTest, AnEngineEndingOnItsOwnGivesItsStatus) {
    const EnvironmentSetting failing("FAKE_DEDICATED_EXIT", "3");
    EXPECT_EQ(serve(false).status, 3);

    // A program that cannot be run is said, naming it.
    game.dir.write("ioq3ded.x86_64", "not a program");
    const ServePlan plan = planServe(settings(), {}, rotation);
    ServerRun run;
    try {
        run.start(game.installation(), plan);
        ADD_FAILURE() << "started";
    } catch (const UserMessage& error) {
        EXPECT_TRUE(std::string(error.what())
                        .starts_with("Cannot start the dedicated server " +
                                     game.dir.file("ioq3ded.x86_64")));
    }
}

TEST_F(ServerRunTest, PlanNeedsADedicatedEngineAndMaps) {
    GameFolder clientOnly{true};
    const GameSettings client{clientOnly.installation(), "", {}};
    EXPECT_THROW(planServe(client, {}, rotation), UserMessage);
    EXPECT_THROW(planServe(settings(), {}, Rotation{}), UserMessage);

    // A mod's parameters replace the extra command line, each word its own argument.
    const std::vector<std::string> withMod = {
        "+set",    "dedicated", "1",        "+set", "net_port", "27960",         "+set",
        "fs_game", "arena",     "+sv_pure", "0",    "+exec",    "velkarn-server"};
    EXPECT_EQ(
        dedicatedArguments(27960, "+set sv_fps 30", ModChoice{1, "+set fs_game arena +sv_pure 0"}),
        withMod);
}
