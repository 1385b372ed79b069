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
    const CommandLine menu = parseCommandLine({"menu", "duel", "--remove"});
    EXPECT_EQ(menu.command, Command::Menu);
    EXPECT_EQ(menu.setupName, "duel");
    EXPECT_TRUE(menu.removeMenuEntry);
    EXPECT_FALSE(parseCommandLine({"menu", "duel"}).removeMenuEntry);
    EXPECT_EQ(parseCommandLine({"play", "duel", "--remove"}).command, Command::BadUsage);

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

TEST(CommandLine, ResultsTakeTheNumberOfMaps) {
    EXPECT_EQ(parseCommandLine({"results"}).command, Command::Results);
    EXPECT_EQ(parseCommandLine({"results"}).lastCount, 0u);
    EXPECT_EQ(parseCommandLine({"results", "--last", "3"}).lastCount, 3u);
    for (const auto& bad : std::vector<std::vector<std::string>>{{"results", "--last"},
                                                                 {"results", "--last", "0"},
                                                                 {"results", "--last", "x"},
                                                                 {"results", "--last", "-2"},
                                                                 {"--last", "3"},
                                                                 {"scan", "--last", "3"}})
        EXPECT_EQ(parseCommandLine(bad).command, Command::BadUsage) << bad.back();
}

TEST(CommandLine, StatusAndServersTakeServerAddresses) {
    const CommandLine status = parseCommandLine({"status", "[::1]:27961"});
    EXPECT_EQ(status.command, Command::Status);
    EXPECT_EQ(status.server, (ServerAddress{"::1", 27961}));
    EXPECT_EQ(parseCommandLine({"status", "host"}).server.port, 27960);
    EXPECT_EQ(parseCommandLine({"status"}).command, Command::BadUsage);
    EXPECT_EQ(parseCommandLine({"status", "h:0"}).problem, "'h:0' is not a server address");

    const CommandLine servers = parseCommandLine({"servers", "--master", "m", "--master", "n:5"});
    EXPECT_EQ(servers.command, Command::Servers);
    ASSERT_EQ(servers.masters.size(), 4u) << "each master is asked for both protocols";
    EXPECT_EQ(servers.masters[0], (MasterServer{{"m", 27950}, 68}));
    EXPECT_EQ(servers.masters[3], (MasterServer{{"n", 5}, 71}));
    EXPECT_TRUE(parseCommandLine({"servers"}).masters.empty());
    EXPECT_EQ(parseCommandLine({"servers", "--master"}).command, Command::BadUsage);
}

TEST(CommandLine, JoinWaitsOnlyWhenToldAndRecentTakesNothing) {
    const CommandLine join = parseCommandLine({"join", "127.0.0.1:27961"});
    EXPECT_EQ(join.command, Command::Join);
    EXPECT_FALSE(join.joinWait);
    const CommandLine wait = parseCommandLine({"join", "[::1]", "--wait", "--give-up", "3"});
    EXPECT_TRUE(wait.joinWait);
    EXPECT_EQ(wait.giveUpMinutes, 3);
    EXPECT_EQ(parseCommandLine({"join", "h", "--give-up", "3"}).problem,
              "--give-up goes with --wait");
    EXPECT_EQ(parseCommandLine({"join", "h", "--wait", "--give-up", "0"}).command,
              Command::BadUsage);
    EXPECT_EQ(parseCommandLine({"recent"}).command, Command::Recent);
    EXPECT_EQ(parseCommandLine({"recent", "--wait"}).command, Command::BadUsage);
    EXPECT_EQ(parseCommandLine({"servers", "--country", "fr"}).servers.filter.country, "fr");
    EXPECT_EQ(parseCommandLine({"servers", "--country", "France"}).command, Command::BadUsage);
}

TEST(CommandLine, ServersTakeTheFiltersOfTheServerLists) {
    const CommandLine servers = parseCommandLine(
        {"servers", "--has-humans", "--not-empty", "--not-full", "--gametype", "4", "--game",
         "CPMA", "--max-ping", "80", "--search", "^1Ace x", "--buddies"});
    ASSERT_EQ(servers.command, Command::Servers) << servers.problem;
    const ServerFilter& filter = servers.servers.filter;
    EXPECT_TRUE(filter.hasHumans && filter.hideEmpty && filter.hideFull);
    EXPECT_FALSE(filter.hidePassworded);
    EXPECT_EQ(filter.gameType, 4);
    EXPECT_EQ(filter.game, "CPMA");
    EXPECT_EQ(filter.maxPing, 80);
    EXPECT_EQ(filter.search, "^1Ace x");
    EXPECT_TRUE(servers.servers.buddiesOnly);
    EXPECT_EQ(parseCommandLine({"servers", "--max-ping", "0"}).problem,
              "--max-ping needs a number from 1 to 9999, not '0'");
    EXPECT_EQ(parseCommandLine({"servers", "--gametype", "ctf"}).problem,
              "--gametype needs a number from 0 to 99, not 'ctf'");
    EXPECT_EQ(parseCommandLine({"servers", "--search", ""}).problem,
              "--search needs a text to search for");
    EXPECT_EQ(parseCommandLine({"servers", "--game"}).problem, "--game needs a game or mod name");
    EXPECT_EQ(parseCommandLine({"status", "h", "--has-humans"}).command, Command::BadUsage)
        << "filters belong to servers";
}

TEST(CommandLine, ServeTakesItsOptionsAndRconItsCommand) {
    const CommandLine serve =
        parseCommandLine({"serve", "duel", "--port", "27961", "--hostname", "", "--no-pure",
                          "--max-clients", "12", "--rcon-password-file", "pw", "--unit"});
    EXPECT_EQ(serve.command, Command::Serve);
    EXPECT_EQ(serve.setupName, "duel");
    EXPECT_EQ(serve.serve.port, 27961);
    EXPECT_EQ(serve.serve.hostName, "");
    EXPECT_EQ(serve.serve.pure, false);
    EXPECT_EQ(serve.serve.mode, ServeMode::Unit);
    EXPECT_EQ(serveOptionArguments(serve.serve),
              (std::vector<std::string>{"--port", "27961", "--hostname", "", "--max-clients", "12",
                                        "--no-pure", "--rcon-password-file", "pw"}));
    EXPECT_EQ(parseCommandLine({"serve", "d", "--port", "0"}).problem,
              "--port needs a number from 1 to 65535, not '0'");
    EXPECT_EQ(parseCommandLine({"serve", "d", "--motd"}).problem, "--motd needs a message");
    EXPECT_EQ(parseCommandLine({"serve", "d", "--print", "--unit"}).command, Command::BadUsage);
    EXPECT_EQ(parseCommandLine({"play", "d", "--port", "1"}).command, Command::BadUsage);

    // The command's words are the engine's, whatever they look like.
    const CommandLine rcon =
        parseCommandLine({"rcon", "h:27961", "--password-file", "f", "kick", "--all"});
    EXPECT_EQ(rcon.command, Command::Rcon);
    EXPECT_EQ(rcon.server, (ServerAddress{"h", 27961}));
    EXPECT_EQ(rcon.passwordFile, "f");
    EXPECT_EQ(rcon.rconCommand, (std::vector<std::string>{"kick", "--all"}));
    EXPECT_EQ(parseCommandLine({"rcon", "h", "--", "--x"}).rconCommand,
              (std::vector<std::string>{"--x"}));
    EXPECT_EQ(parseCommandLine({"rcon", "h"}).problem, "rcon needs a command");
}

TEST(CommandLine, ClusterOptionsGoWithTheirModes) {
    const CommandLine fleet = parseCommandLine({"serve", "duel", "--agones", "--replicas", "8",
                                                "--image", "r/v:1", "--data-volume", "oa"});
    EXPECT_EQ(fleet.serve.mode, ServeMode::Agones);
    EXPECT_EQ(fleet.serve.cluster.replicas, 8);
    EXPECT_EQ(fleet.serve.cluster.image, "r/v:1");
    const CommandLine pod = parseCommandLine({"serve", "duel", "--prepared", "/s", "--secrets",
                                              "/p", "--game-data", "/g/baseoa", "--agones-sdk"});
    EXPECT_EQ(pod.command, Command::Serve);
    EXPECT_EQ(pod.serve.cluster.gameDataFolder, "/g/baseoa");
    EXPECT_TRUE(pod.serve.cluster.agonesSdk);

    for (const auto& [arguments, problem] :
         std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"--replicas", "2"},
              "--replicas, --image and --data-volume go with --kube or --agones"},
             {{"--kube", "--replicas", "0"}, "--replicas needs a number from 1 to 1000, not '0'"},
             {{"--kube", "--unit"}, "serve takes one of --print, --unit, --kube and --agones"},
             {{"--secrets", "/p"}, "--secrets and --game-data go with --prepared"},
             {{"--prepared", "/s", "--kube"},
              "--prepared serves in a server Pod: it goes with running the server or --print"},
             {{"--prepared", "/s", "--hostname", "X"},
              "--prepared serves the script as the manifests give it: its options are in there"},
             {{"--agones-sdk", "--print"}, "--agones-sdk goes with running the server"}}) {
        std::vector<std::string> line = {"serve", "duel"};
        line.insert(line.end(), arguments.begin(), arguments.end());
        EXPECT_EQ(parseCommandLine(line).problem, problem);
    }
}
