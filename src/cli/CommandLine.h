#pragma once

#include <string>
#include <vector>

namespace velkarn {

// What the command line asks for.
struct CommandLine {
    enum class Command { Windows, Help, Version, Play, Scan, Games, Use, BadUsage };
    Command command = Command::Windows;
    std::string appDir;     // empty: XDG_DATA_HOME/velkarn
    std::string gameChoice; // use: an installation's number or a folder
    std::string setupName;  // play: the setup's name without ".vkn"
    bool noStart = false;   // play: print the parameters instead of starting the game
    std::string problem;    // BadUsage: what is wrong
};

CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The text of --help.
std::string usageText();

} // namespace velkarn
