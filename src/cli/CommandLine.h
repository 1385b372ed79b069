#pragma once

#include "core/network/MasterList.h"
#include "core/network/ServerAddress.h"

#include <string>
#include <vector>

namespace velkarn {

// What the command line asks for.
struct CommandLine {
    enum class Command { Windows, Help, Version, Play, Scan, Status, Servers, BadUsage };
    Command command = Command::Windows;
    std::string appDir;                // empty: the current folder
    std::string setupName;             // play: the setup's name without ".vkn"
    bool noStart = false;              // play: print the parameters instead of starting the game
    ServerAddress server;              // status: the server asked
    std::vector<MasterServer> masters; // servers: the masters of --master (each protocol)
    std::string problem;               // BadUsage: what is wrong
};

CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The text of --help.
std::string usageText();

} // namespace velkarn
