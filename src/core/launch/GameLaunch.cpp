#include "core/launch/GameLaunch.h"

#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/GameExecutable.h"
#include "core/platform/Process.h"

namespace velkarn {

std::string GameParameters(LaunchPath path, const std::string& extraCommandLine,
                           const ModChoice& mod) {
    if (mod.index >= 1)
        return mod.parameters + " +exec velkarn";
    if (path == LaunchPath::Join)
        return "+exec velkarn";
    return "+exec velkarn " + extraCommandLine;
}

std::string ScriptPath(const std::string& gameFolder) {
    return withTrailingSlash(gameFolder) + "baseq3/velkarn.cfg";
}

void WriteGameScript(const std::string& gameFolder, const Lines& lines) {
    // An empty path would put the script below whatever folder the program was started in.
    if (gameFolder.empty())
        throw UserMessage("Please set Quake III Arena executable path in Options, Game!");
    writeTextFile(ScriptPath(gameFolder), lines, WriteErrorKind::InOut);
}

void RequireGameStarted(bool started) {
    if (!started)
        throw UserMessage("Quake 3 Executable not found!");
}

bool StartGame(const std::string& gameFolder, const std::string& parameters) {
    if (gameFolder.empty())
        return false;
    const auto executable = findGameExecutable(gameFolder);
    return executable && startDetached(*executable, parameters, gameFolder);
}

void WriteLocalScript(const std::string& gameFolder, const PlayerSettings& player,
                      const MapListType& rotation) {
    WriteGameScript(gameFolder, LocalScriptLines(player, rotation));
}

void WriteJoinScript(const std::string& gameFolder, const PlayerSettings& player,
                     const AServer& server) {
    WriteGameScript(gameFolder, JoinScriptLines(player, server));
}

void WriteServerScript(const std::string& gameFolder, const ServerOptions& options,
                       const ServerMapListType& rotation) {
    WriteGameScript(gameFolder, ServerScriptLines(options, rotation));
}

bool PlayLocal(const GameSettings& game, const PlayerSettings& player,
               const MapListType& rotation) {
    WriteLocalScript(game.gameFolder, player, rotation);
    return StartGame(game.gameFolder,
                     GameParameters(LaunchPath::LocalPlay, game.extraCommandLine, game.mod));
}

bool JoinServer(const GameSettings& game, const PlayerSettings& player, const AServer& server) {
    WriteJoinScript(game.gameFolder, player, server);
    return StartGame(game.gameFolder,
                     GameParameters(LaunchPath::Join, game.extraCommandLine, game.mod));
}

bool StartServer(const GameSettings& game, const ServerOptions& options,
                 const ServerMapListType& rotation) {
    WriteServerScript(game.gameFolder, options, rotation);
    return StartGame(game.gameFolder,
                     GameParameters(LaunchPath::Server, game.extraCommandLine, game.mod));
}

} // namespace velkarn
