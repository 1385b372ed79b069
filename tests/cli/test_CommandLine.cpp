#include "cli/CommandLine.h"

#include <gtest/gtest.h>

using namespace velkarn;
using Command = CommandLine::Command;

TEST(CommandLine, RecognisesCommandsAndOptions) {
    EXPECT_EQ(parseCommandLine({}).command, Command::Windows);
    EXPECT_EQ(parseCommandLine({"--help"}).command, Command::Help);
    EXPECT_EQ(parseCommandLine({"--version"}).command, Command::Version);

    const CommandLine play = parseCommandLine({"--appdir", "/x", "play", "duel", "--no-start"});
    EXPECT_EQ(play.command, Command::Play);
    EXPECT_EQ(play.appDir, "/x");
    EXPECT_EQ(play.setupName, "duel");
    EXPECT_EQ(play.playMode, PlayMode::NoStart);
    EXPECT_EQ(parseCommandLine({"play", "duel", "--print"}).playMode, PlayMode::Print);

    const CommandLine scan = parseCommandLine({"scan", "--appdir", "/y"});
    EXPECT_EQ(scan.command, Command::Scan);
    EXPECT_EQ(scan.appDir, "/y");
}

TEST(CommandLine, BadUsageSaysWhat) {
    EXPECT_EQ(parseCommandLine({"--appdir"}).command, Command::BadUsage);
    EXPECT_EQ(parseCommandLine({"play"}).command, Command::BadUsage);
    EXPECT_EQ(parseCommandLine({"--no-start"}).command, Command::BadUsage);
    EXPECT_EQ(parseCommandLine({"play", "a", "--print", "--no-start"}).command, Command::BadUsage);
    const CommandLine unknown = parseCommandLine({"jump"});
    EXPECT_EQ(unknown.command, Command::BadUsage);
    EXPECT_EQ(unknown.problem, "unknown argument 'jump'");
    EXPECT_EQ(parseCommandLine({"scan", "scan"}).command, Command::BadUsage);
}
