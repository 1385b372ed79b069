#include "cli/ServeCommand.h"
#include "core/platform/FileSystem.h"
#include "support/ServedSetup.h"
#include "support/SystemdVerify.h"
#include "support/TempFolder.h"

#include <QProcess>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace velkarn;
using namespace velkarn::test;

namespace {

// The setup "duel" with its server options beside it.
struct ServeCommandTest : ::testing::Test {
    TempFolder app;
    GameFolder game{true};
    std::ostringstream out, err;

    void SetUp() override {
        writeDuelSetup(app, game);
        app.write("configs/duel.server", "port=27961\r\nhostname=Saved Name\r\nmaxclients=8\r\n"
                                         "rconpasswordfile=duel.rcon\r\n");
        app.write("configs/duel.rcon", "s3cret\n");
    }
    int serve(const ServeArguments& arguments, const std::string& setup = "duel") {
        return runServeCommand({app.path(), true, VELKARN_PROGRAM}, setup, arguments, out, err);
    }
    std::string message(const ServeArguments& arguments) {
        err.str("");
        EXPECT_EQ(serve(arguments), 1);
        return err.str();
    }
};

// Whether the process has ended (a zombie left to a parent that does not reap counts as ended).
bool processGone(const std::string& pid) {
    std::ifstream stat("/proc/" + pid + "/stat");
    std::string line;
    return !std::getline(stat, line) || line.substr(line.rfind(')') + 2, 1) == "Z";
}

bool waitUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 400 && !done(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    return done();
}

} // namespace

TEST_F(ServeCommandTest, PrintShowsTheScriptAndTheEngineCommandButNotThePasswords) {
    app.write("configs/duel.password", "joinme\n");
    ServeArguments arguments;
    arguments.mode = ServeMode::Print;
    arguments.hostName = "Given Name";
    arguments.passwordFile = app.file("configs/duel.password");
    EXPECT_EQ(serve(arguments), 0) << err.str();
    EXPECT_EQ(out.str(),
              "sv_maxclients 9\nsv_hostname Given Name\ng_motd \nsv_privateClients 1\n"
              "sv_privatePassword ********\nsv_pure 0\nsv_maxrate 10000\ng_weaponrespawn 5\n"
              "g_allowvote 1\ng_syncronousclients 0\nset rconpassword ********\n"
              "set g_log velkarn-server-duel-27961.log\nset g_logsync 1\n"
              "set m0 \"set g_gametype 0;set fraglimit 20;set timelimit 10;map gorge1;kick Krag;"
              "addbot Vexor 3;set nextmap vstr m1\"\n"
              "set m1 \"set g_gametype 3;set fraglimit 30;set timelimit 15;map vault;kick Vexor;"
              "addbot Krag 4 Red;set nextmap vstr m0\"\nvstr m0\n" +
                  game.dir.file("ioq3ded.x86_64") +
                  " +set dedicated 1 +set net_port 27961 +safe +exec autoexec"
                  " +exec velkarn-server-duel-27961 +set sv_fps 30\n");
    EXPECT_FALSE(fileExists(game.dir.file("baseq3/velkarn-server-duel-27961.cfg")));
    EXPECT_FALSE(fileExists(game.dir.file("fake_dedicated_run.txt")));
}

// What the unit carries systemd loads; the passwords stay in their files.
TEST_F(ServeCommandTest, TheUnitRunsTheSameServeCommand) {
    ServeArguments arguments;
    arguments.mode = ServeMode::Unit;
    arguments.hostName = "My Best 100% $5";
    arguments.pure = true;
    arguments.passwordFile = app.file("configs/duel.password");
    app.write("configs/duel.password", "joinme\n");
    arguments.rconPasswordFile = app.file("configs/duel.rcon");
    EXPECT_EQ(serve(arguments), 0) << err.str();
    EXPECT_NE(out.str().find("\nExecStart=" + std::string(VELKARN_PROGRAM) + " --appdir " +
                             app.path() +
                             " serve duel --hostname \"My Best 100%% $$5\" --pure "
                             "--password-file " +
                             app.file("configs/duel.password") + " --rcon-password-file " +
                             app.file("configs/duel.rcon") + "\n"),
              std::string::npos)
        << out.str();
    EXPECT_EQ(out.str().find("s3cret"), std::string::npos);
    EXPECT_EQ(out.str().find("joinme"), std::string::npos);
    EXPECT_NE(out.str().find("\nWorkingDirectory=~\n"), std::string::npos);
    EXPECT_NE(out.str().find("#   loginctl enable-linger\n"), std::string::npos);
    EXPECT_EQ(systemdVerdict(out.str(), "velkarn-duel.service").value_or(""), "");

    // A setup whose name is not UTF-8 would give a unit systemd refuses.
    app.write("configs/caf\xe9.vkn", app.read("configs/duel.vkn"));
    out.str("");
    err.str("");
    EXPECT_EQ(serve(arguments, "caf\xe9"), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("systemd takes only UTF-8 text"), std::string::npos) << err.str();
}

TEST_F(ServeCommandTest, RefusalsSayWhyAndStartNothing) {
    ServeArguments arguments;
    arguments.mode = ServeMode::Print;
    arguments.motd = "hi;quit";
    EXPECT_EQ(message(arguments), "The message \"hi;quit\" must not contain a semicolon!\n");
    arguments.motd.reset();

    // A value from a file is refused with its file and line, as the file is read.
    app.write("configs/duel.server", "port=27961\r\nmotd=a;b\r\n");
    EXPECT_EQ(message(arguments), "Line 2 of " + app.file("configs/duel.server") +
                                      ": The message \"a;b\" must not contain a semicolon!\n");
    app.write("configs/duel.server", "rconpasswordfile=duel.rcon\r\npasswordfile=duel.pw\r\n");
    app.write("configs/duel.pw", "a\\b\n");
    EXPECT_EQ(message(arguments), app.file("configs/duel.pw") +
                                      ", line 1: The server password must not contain a "
                                      "backslash, which the game's info strings refuse!\n");
    app.write("configs/duel.server", "rconpasswordfile=duel.rcon\r\n");

    arguments.rconPasswordFile = app.file("nowhere.rcon");
    EXPECT_EQ(message(arguments), "Cannot open file " + app.file("nowhere.rcon") + "\n");
    app.write("configs/duel.rcon", "two words\n");
    arguments.rconPasswordFile.reset();
    EXPECT_NE(message(arguments).find("The remote console password must be one word"),
              std::string::npos);

    app.write("configs/duel.rcon", "s3cret\n");
    GameFolder clientOnly{true};
    app.write("path.txt", clientOnly.path() + "\r\n");
    EXPECT_NE(message(arguments).find("has no dedicated server program"), std::string::npos);
    EXPECT_FALSE(fileExists(game.dir.file("fake_dedicated_run.txt")));
}

// The program itself: the engine's output passes through, SIGTERM makes it quit cleanly, and no
// engine outlives a serve that is killed.
TEST_F(ServeCommandTest, ServesInTheForegroundUntilASignal) {
    QProcess program;
    program.start(VELKARN_PROGRAM, {"--appdir", QString::fromStdString(app.path()), "serve", "duel",
                                    "--port", "27962"});
    ASSERT_TRUE(program.waitForStarted());
    std::string output;
    while (output.find("------ Server Initialization ------\n") == std::string::npos &&
           program.waitForReadyRead(20000))
        output += program.readAllStandardOutput().toStdString();
    EXPECT_EQ(output, "tty console mode disabled\nexecing autoexec.cfg\n"
                      "execing velkarn-server-duel-27962.cfg\n"
                      "------ Server Initialization ------\n");
    const Lines run = game.dedicatedRun();
    ASSERT_FALSE(run.empty());
    EXPECT_EQ(run[7], "27962") << "the port given wins over the saved one";

    // The port is served once: a second server there is refused at once.
    ServeArguments again;
    again.port = 27962;
    EXPECT_EQ(serve(again), 1);
    EXPECT_NE(err.str().find("The port 27962 is served already by velkarn serve duel, process "),
              std::string::npos)
        << err.str();

    // As timeout or a terminal signal a process group: serve hears it twice, as one request.
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(program.readAllStandardOutput().toStdString(),
              "----- Server Shutdown (Server quit) -----\n");
    EXPECT_TRUE(processGone(run[0]));

    // A serve that dies at once takes its engine along, even one that ignores "quit".
    std::filesystem::remove(game.dir.file("fake_dedicated_run.txt"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("FAKE_DEDICATED_STUBBORN", "1");
    program.setProcessEnvironment(environment);
    program.start(VELKARN_PROGRAM,
                  {"--appdir", QString::fromStdString(app.path()), "serve", "duel"});
    const Lines stubborn = game.dedicatedRun();
    ASSERT_FALSE(stubborn.empty());
    EXPECT_FALSE(processGone(stubborn[0]));
    program.kill();
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_TRUE(waitUntil([&] { return processGone(stubborn[0]); }));
}
