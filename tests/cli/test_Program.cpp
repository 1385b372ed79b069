#include "support/GameFolder.h"
#include "support/MapRecords.h"
#include "support/ZipFixtures.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <csignal>
#include <gtest/gtest.h>

using namespace velkarn;
using namespace velkarn::test;

namespace {

struct ProgramRun {
    int status;
    std::string out;
    std::string err;
};

// Runs the built program without a display, as a script or a terminal user would.
ProgramRun runProgram(const QStringList& arguments) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    program.setProcessEnvironment(environment);
    program.start(VELKARN_PROGRAM, arguments);
    program.waitForFinished(30000);
    return {program.exitCode(), program.readAllStandardOutput().toStdString(),
            program.readAllStandardError().toStdString()};
}

} // namespace

TEST(Program, HelpVersionAndBadUsageNeedNoDisplay) {
    const ProgramRun help = runProgram({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: velkarn [--appdir DIR] [COMMAND]"), std::string::npos);
    const ProgramRun version = runProgram({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "velkarn 0.1\n");
    const ProgramRun bad = runProgram({"fly"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("unknown argument 'fly'"), std::string::npos);
    EXPECT_EQ(runProgram({"results", "--last", "none"}).status, 2);
}

TEST(Program, ScanAndPlayWorkFromTheCommandLine) {
    TempFolder app;
    GameFolder game{true};
    app.write("path.txt", game.path() + "\r\n\r\n");
    writeZip(game.dir.file("baseq3/pak0.pk3"),
             {{"maps/gorge1.bsp", "bsp"},
              {"scripts/arenas.txt", "{\nmap \"gorge1\"\nlongname \"Gorge\"\n}\n"},
              {"scripts/bots.txt", "name Vexor\n"}});
    const ProgramRun scan = runProgram({"--appdir", QString::fromStdString(app.path()), "scan"});
    EXPECT_EQ(scan.status, 0) << scan.err;
    EXPECT_EQ(scan.out, "maps: 1\nbots: 1\nmodels: 0\nmods: 0\n");

    app.write("configs/one.vkn",
              "1\r\ngorge1\r\n 1\r\n 5\r\n 10\r\n 0\r\nAce\r\n\r\n\r\n0\r\n\r\n");
    const ProgramRun play =
        runProgram({"--appdir", QString::fromStdString(app.path()), "play", "one", "--no-start"});
    EXPECT_EQ(play.status, 0) << play.err;
    EXPECT_EQ(play.out, "+exec velkarn \n");
    EXPECT_NE(game.script().find("map gorge1\r\n"), std::string::npos);
}

namespace {

// The window program over `app` on the offscreen platform, once its start-up search has written
// the catalogue (the signal watcher is set up before it).
void startWindows(QProcess& program, const TempFolder& app) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.start(VELKARN_PROGRAM, {"--appdir", QString::fromStdString(app.path())});
    for (int i = 0; i < 200 && !fileExists(app.file("maps.txt")); ++i)
        program.waitForFinished(50);
}

} // namespace

TEST(Program, ASignalEndsTheWindowsAsClosingTheMainWindowDoes) {
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        TempFolder app;
        GameFolder game{true};
        app.write("path.txt", game.path() + "\r\n\r\n");
        app.write("servers.txt", "Home\r\n 127.0.0.1:27960\r\n \r\n");
        QProcess program;
        startWindows(program, app);
        ASSERT_EQ(program.state(), QProcess::Running) << signalNumber;
        ::kill(static_cast<pid_t>(program.processId()), signalNumber);
        ASSERT_TRUE(program.waitForFinished(10000)) << signalNumber;
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << signalNumber;
        EXPECT_EQ(program.exitCode(), 0);
        EXPECT_EQ(app.read("configs/default.vkn"), "0\r\n\r\n\r\n\r\n0\r\n[None]\r\n");
        EXPECT_EQ(app.read("servers.txt"), "Home\r\n 127.0.0.1:27960\r\n \r\n");
    }
}

TEST(Program, ASecondSignalEndsAtOnceAWindowThatCouldNotSave) {
    TempFolder app;
    GameFolder game{true};
    app.write("path.txt", game.path() + "\r\n\r\n");
    app.makeFolder("configs/default.vkn"); // no file can replace it: the window stays to say so
    QProcess program;
    startWindows(program, app);
    ASSERT_EQ(program.state(), QProcess::Running);
    const auto pid = static_cast<pid_t>(program.processId());
    ::kill(pid, SIGTERM);
    EXPECT_FALSE(program.waitForFinished(1500));
    ::kill(pid, SIGINT);
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::CrashExit);
}
