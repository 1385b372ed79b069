#pragma once

#include "cli/ServeArguments.h"
#include "cli/ServersArguments.h"
#include "core/network/MasterList.h"
#include "core/network/ServerAddress.h"

#include <optional>
#include <string>
#include <vector>

namespace velkarn {

// What `play` does besides reading the setup.
enum class PlayMode {
    Start,   // write the script and start the game
    NoStart, // write the script and print the game's parameters on one line
    Print,   // print the script's lines, then the parameters; write and start nothing
};

// How long `join --wait` waits unless told.
constexpr int DefaultGiveUpMinutes = 10;

// What the command line asks for.
struct CommandLine {
    enum class Command {
        Windows,
        Help,
        Version,
        Play,
        Scan,
        Games,
        Use,
        Status,
        Servers,
        Serve,
        Rcon,
        Join,
        Recent,
        Results,
        Demos,
        Demo,
        Menu,
        BadUsage
    };
    Command command = Command::Windows;
    std::string appDir;                   // empty: XDG_DATA_HOME/velkarn
    std::string gameChoice;               // use: an installation's number or a folder
    std::string setupName;                // play, serve, menu: the setup's name without ".vkn"
    bool removeMenuEntry = false;         // menu: --remove
    PlayMode playMode = PlayMode::Start;  // play: --no-start or --print
    ServeArguments serve;                 // serve: its options
    ServerAddress server;                 // status, rcon, join: the server asked
    std::vector<MasterServer> masters;    // servers: the masters of --master (each protocol)
    ServersArguments servers;             // servers: which servers are printed
    std::string passwordFile;             // rcon: --password-file
    std::vector<std::string> rconCommand; // rcon: the command's words
    std::size_t lastCount = 0;            // results: --last N; 0 for every map
    std::string demoName;                 // demo: the demo named
    bool demoPrint = false;               // demo: --print
    bool joinWait = false;                // join: --wait
    std::optional<int> giveUpMinutes;     // join: --give-up MINUTES
    std::string problem;                  // BadUsage: what is wrong
};

CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The text of --help.
std::string usageText();

} // namespace velkarn
