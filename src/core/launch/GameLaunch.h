#pragma once

#include "core/launch/GameScript.h"
#include "core/platform/Installation.h"

#include <functional>
#include <string>
#include <vector>

// Writing the game script into the game folder and starting the game on it.
namespace velkarn {

enum class LaunchPath { LocalPlay, Join, Server };

// The selected mod: index 0 (or less) is "[None]"; `parameters` is that mod's parameter line.
struct ModChoice {
    int index = 0;
    std::string parameters;
};

// The game's parameters: local play and server "+exec velkarn " + extra command line (the blank
// stays when it is empty), join "+exec velkarn" alone; with a mod, its parameter line +
// " +exec velkarn" on every path and no extra command line.
std::string gameParameters(LaunchPath path, const std::string& extraCommandLine,
                           const ModChoice& mod);
// The same as the argument list the game is started with: the user's texts (the extra command
// line, a mod's parameter line) split the way a shell splits words, and "+exec", SCRIPT
// always two arguments of their own, which no text of the user's can swallow.
std::vector<std::string> gameArguments(LaunchPath path, const std::string& extraCommandLine,
                                       const ModChoice& mod, const std::string& script = "velkarn");

// Where the game script goes: the data folder of the base folder when the user may write there
// (a self-contained folder), otherwise the data folder of the home folder (made by
// writeGameScript when missing; working it out changes nothing).
// Never a system folder, never a folder reached by a link out of the user's home. Throws
// UserMessage naming the folder when a self-contained folder or its data folder is missing, or a
// home data folder leads out of the home folder or cannot be made.
std::string scriptFolder(const Installation& installation);
// scriptFolder + "velkarn.cfg".
std::string scriptPath(const Installation& installation);
// scriptFolder, made first when it is a missing home data folder. Throws as scriptFolder does,
// or UserMessage when the folder cannot be made.
std::string preparedScriptFolder(const Installation& installation);
// The folder the engine runs in: the base folder when it is the user's, else the home folder.
std::string engineWorkingFolder(const Installation& installation);

// Replaces the script atomically, readable by its owner alone. Throws as scriptFolder does, or
// InOutError "File access denied", "Disk full"...; the old script then stays as it was.
void writeGameScript(const Installation& installation, const Lines& lines);

// Whether the installation's executable is there to be started.
bool gameCanStart(const Installation& installation);

// Starts the installation's start command with the arguments, detached, in the base folder
// (or the home folder, when the base folder is not the user's). False when there is no engine
// or it could not be started; never waits.
bool startGame(const Installation& installation, const std::vector<std::string>& arguments);

// Build the lines (throwing UserMessage for unsafe values, before anything is written) and
// write them as the script.
void writeLocalScript(const Installation& installation, const PlayerSettings& player,
                      const Rotation& rotation, const DefinedBots& bots);
void writeJoinScript(const Installation& installation, const PlayerSettings& player,
                     const SavedServer& server);
void writeServerScript(const Installation& installation, const ServerOptions& options,
                       const ServerRotation& rotation);

// The game options a launch reads: the installation, extra command line, mod.
struct GameSettings {
    Installation installation;
    std::string extraCommandLine;
    ModChoice mod;
    // Told by playLocal and startServer, once the script is written and just before the game
    // starts (the results note the launch), and only when its executable is there: a game that
    // cannot start was never played or joined. It must not throw. Empty: nobody is told.
    std::function<void(LaunchPath)> starting = {};
    // Told by joinServer in the same way, with the server joined.
    std::function<void(const SavedServer&)> joining = {};
};

// What a launch would do, for a look before it: the command line that would start the game
// (the executable found in the game folder, or a note that there is none, and the
// parameters), where the script would go and its lines, their passwords masked. Writes and
// starts nothing.
struct LaunchPreview {
    std::string commandLine;
    std::string scriptPath;
    Lines script;
};
LaunchPreview previewLaunch(const GameSettings& game, LaunchPath path, const Lines& script);

// A launch that wrote its script but found no game to start is said, not passed over: throws
// UserMessage "Quake 3 Executable not found!" when `started` is false.
void requireGameStarted(bool started);

// Write the path's script, then start the game with the path's parameters. The game is started
// only when the script was written (a failure throws, see above); the result is startGame's.
bool playLocal(const GameSettings& game, const PlayerSettings& player, const Rotation& rotation,
               const DefinedBots& bots);
bool joinServer(const GameSettings& game, const PlayerSettings& player, const SavedServer& server);
bool startServer(const GameSettings& game, const ServerOptions& options,
                 const ServerRotation& rotation);

} // namespace velkarn
