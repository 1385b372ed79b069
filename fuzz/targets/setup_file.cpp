// A setup file (configs/<name>.vkn), read against a catalogue of two maps and three bots, and
// the game script its rotation and player name would give: whatever the file holds, no line of
// the script may carry what the game's console reads as a comment or as the end of a command,
// no value may hold the "\" the game's info strings refuse, and every bot added or kicked is one
// the catalogue defines, under its own name.

#include "FuzzInput.h"
#include "core/launch/GameScript.h"
#include "core/platform/Errors.h"
#include "core/platform/PrintableText.h"
#include "core/setup/SetupFile.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

const velkarn::DefinedBots Bots = {"Cyber-Garg", "Grism", "Sarge"};

// Only a rotation variable's own line holds ";" and '"', as its quoted value's separators.
bool isSoundScriptLine(const std::string& line) {
    if (velkarn::hasControlCharacter(line) || line.find('\\') != std::string::npos)
        return false;
    for (const char* mark : {"//", "/*", "*/"})
        if (line.find(mark) != std::string::npos)
            return false;
    if (line.starts_with("set m") && line.ends_with("\""))
        return line.find('"') == line.find(" \"") + 1 &&
               line.find('"', line.find('"') + 1) == line.size() - 1;
    return line.find_first_of(";\"") == std::string::npos;
}

// Every "addbot NAME" and "kick NAME" of a line, a command at its start or after ";" or '"'.
bool namesOnlyDefinedBots(const std::string& line) {
    for (const std::string command : {"addbot ", "kick "}) {
        for (std::size_t at = line.find(command); at != std::string::npos;
             at = line.find(command, at + 1)) {
            if (at > 0 && line[at - 1] != ';' && line[at - 1] != '"')
                continue;
            const std::size_t start = at + command.size();
            const std::string name = line.substr(start, line.find_first_of(" ;\"", start) - start);
            if (std::find(Bots.begin(), Bots.end(), name) == Bots.end())
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkarn;
    static const MapFiles catalogue = [] {
        MapFiles maps;
        for (const char* name : {"q3dm1.bsp", "q3ctf1.bsp"}) {
            maps.push_back(std::make_unique<MapFile>());
            maps.back()->fileName = name;
        }
        return maps;
    }();
    const std::string path = fuzz::writeScratchFile("input.vkn", fuzz::asText(data, size));
    SetupReadResult read;
    try {
        loadSetupFile(path, catalogue, read);
    } catch (const ConvertError&) {
    }
    PlayerSettings player{read.player.name, read.player.model, read.player.skin, 1, 0};
    try {
        for (const std::string& line : localScriptLines(player, read.maps, Bots))
            if (!isSoundScriptLine(line) || !namesOnlyDefinedBots(line))
                std::abort();
        // A player value the script carries is none the reading refused.
        if (!read.problems.empty())
            std::abort();
    } catch (const UserMessage&) {
        // Refused: nothing is written.
    }
    return 0;
}
