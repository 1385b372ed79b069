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
    const DefinedBots bots = {"Vexor"};

    void SetUp() override {
        ensureCoreApplication();
        game.installDedicated();
    }
    GameSettings settings() const { return {game.installation(), "+set sv_fps 30", {}}; }

    struct Outcome {
        int status = -1;
        Lines output;
    };
    // Serves on port 27961 until the engine ends; asks it to stop `stops` times at its first
    // line, or at the first line `stopAt` starts.
    Outcome serve(int stops, const std::string& stopAt = {}) {
        ServeOptions options;
        options.port = 27961;
        options.server.rconPassword = "s3cret";
        const ServePlan plan = planServe(settings(), options, rotation, bots, "duel");
        ServerRun run(stopAt.empty() ? 100 : 5000);
        Outcome outcome;
        bool ended = false;
        QObject::connect(&run, &ServerRun::outputLine, [&](const std::string& line) {
            outcome.output.push_back(line);
            if (stopAt.empty() ? outcome.output.size() == 1 : line.starts_with(stopAt))
                for (int i = 0; i < stops; ++i)
                    run.stop();
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

// A process group's signal reaches serve twice: both are one request, and the engine quits.
TEST_F(ServerRunTest, StopAsksTheEngineToQuitOnItsConsole) {
    const Outcome outcome = serve(2);
    EXPECT_EQ(outcome.status, 0);
    const Lines output = {"tty console mode disabled", "execing autoexec.cfg",
                          "execing velkarn-server-duel-27961.cfg",
                          "------ Server Initialization ------",
                          "----- Server Shutdown (Server quit) -----"};
    EXPECT_EQ(outcome.output, output);

    const Lines run = game.dedicatedRun();
    ASSERT_GE(run.size(), 2u);
    EXPECT_EQ(run[1] + "/", game.path());
    const Lines arguments = {"+set",
                             "dedicated",
                             "1",
                             "+set",
                             "net_port",
                             "27961",
                             "+safe",
                             "+exec",
                             "autoexec",
                             "+exec",
                             "velkarn-server-duel-27961",
                             "+set",
                             "sv_fps",
                             "30"};
    EXPECT_EQ(Lines(run.begin() + 2, run.end()), arguments);

    // The script holds the password: its owner's alone. The server keeps a log of its own.
    struct stat st {};
    const std::string scriptFile = game.dir.file("baseq3/velkarn-server-duel-27961.cfg");
    ASSERT_EQ(::stat(scriptFile.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    const std::string script = game.dir.read("baseq3/velkarn-server-duel-27961.cfg");
    EXPECT_NE(script.find("set rconpassword s3cret\r\nset g_log velkarn-server-duel-27961.log\r\n"
                          "set g_logsync 1\r\nset g_gametype 0\r\n"),
              std::string::npos);
    EXPECT_NE(script.find("map gorge1\r\naddbot Vexor 3\r\n"), std::string::npos);
}

TEST_F(ServerRunTest, AnEngineThatIgnoresQuitIsKilledAfterTheGraceTimeOrAThirdRequest) {
    const EnvironmentSetting stubborn("FAKE_DEDICATED_STUBBORN", "1");
    EXPECT_EQ(serve(1).status, 128 + SIGKILL);
    EXPECT_EQ(serve(3, "------ Server Initialization").status, 128 + SIGKILL)
        << "within a grace time of 5 s";
}

// The engine restarts a finished Tournament; the run has it go on with the rotation instead.
TEST_F(ServerRunTest, AFinishedTournamentHandsOverToTheNextEntry) {
    const EnvironmentSetting tournament("FAKE_DEDICATED_TOURNAMENT", "1");
    rotation = listOf<RotationEntry>(
        {rotationEntry("duel", Tournament, 1, 0), rotationEntry("next", Deathmatch, 1, 0)});
    const Outcome outcome = serve(1, "InitGame: \\sv_hostname\\noname\\g_gametype\\0");
    EXPECT_EQ(outcome.status, 0);
    const std::string next =
        "InitGame: \\sv_hostname\\noname\\g_gametype\\0\\mapname\\next\\sv_maxclients\\8";
    EXPECT_NE(std::find(outcome.output.begin(), outcome.output.end(), next), outcome.output.end());
}

TEST_F(ServerRunTest, AnEngineEndingOnItsOwnGivesItsStatus) {
    const EnvironmentSetting failing("FAKE_DEDICATED_EXIT", "3");
    EXPECT_EQ(serve(0).status, 3);

    // A program that cannot be run is said, naming it.
    game.dir.write("ioq3ded.x86_64", "not a program");
    const ServePlan plan = planServe(settings(), {}, rotation, bots, "duel");
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
    EXPECT_THROW(planServe(client, {}, rotation, bots, "duel"), UserMessage);
    EXPECT_THROW(planServe(settings(), {}, Rotation{}, bots, "duel"), UserMessage);

    // A mod's parameters replace the extra command line, each word its own argument.
    const std::vector<std::string> withMod = {
        "+set",     "dedicated", "1",       "+set",  "net_port", "27960", "+safe", "+exec",
        "autoexec", "+set",      "fs_game", "arena", "+sv_pure", "0",     "+exec", "s"};
    EXPECT_EQ(dedicatedArguments(27960, "+set sv_fps 30",
                                 ModChoice{1, "+set fs_game arena +sv_pure 0"}, "s"),
              withMod);
}

// Two setups, or one on two ports, never share a script or a log; the engine takes the name
// on its command line and as a file name.
TEST(ServePlan, EveryServerHasFilesOfItsOwn) {
    EXPECT_EQ(serveInstanceName("duel", 27960), "velkarn-server-duel-27960");
    EXPECT_EQ(serveInstanceName("my_duel-2", 27961), "velkarn-server-my_duel-2-27961");
    const std::string odd = serveInstanceName("a+b c", 27960);
    EXPECT_TRUE(odd.starts_with("velkarn-server-a_b_c-")) << odd;
    EXPECT_NE(odd, serveInstanceName("a_b_c", 27960));
    EXPECT_NE(odd, serveInstanceName("a b+c", 27960));
    const std::string longName = serveInstanceName(std::string(200, 'x'), 65535);
    EXPECT_LE(longName.size() + 4, 63u) << longName;
    EXPECT_NE(longName, serveInstanceName(std::string(201, 'x'), 65535));
}

// The console of a served Tournament as openarena-server prints it: the warmup's restart and
// a Deathmatch's end hand nothing over, the restart after a duel's end does.
TEST(TournamentHandOver, OnlyTheRestartAfterADuelsEndHandsOver) {
    TournamentHandOver handOver;
    const std::string duel = "InitGame: \\com_protocol\\71\\sv_hostname\\noname\\g_gametype\\1"
                             "\\mapname\\czest1tourney\\g_timestamp\\2026-12-09 02:05:11";
    const std::string deathmatch =
        "InitGame: \\com_protocol\\71\\g_gametype\\0\\mapname\\aggressor";
    const std::vector<std::pair<std::string, bool>> console = {
        {duel, false},
        {"ClientBegin: 0", false},
        {duel, false}, // warmup over
        {"Kill: 0 1 1: Sarge killed Grism by MOD_SHOTGUN", false},
        {"Exit: Fraglimit hit.", false},
        {"ShutdownGame:", false},
        {duel, true}, // the engine's map_restart
        {deathmatch, false},
        {"Exit: Fraglimit hit.", false},
        {deathmatch, false},
    };
    for (const auto& [line, handsOver] : console)
        EXPECT_EQ(handOver.commandAfter(line),
                  handsOver ? std::optional<std::string>("vstr nextmap") : std::nullopt)
            << line;
}
