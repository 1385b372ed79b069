#include "core/launch/GameLaunch.h"

#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/GameExecutable.h"
#include "core/platform/Process.h"

namespace velkarn {

std::string gameParameters(LaunchPath path, const std::string& extraCommandLine,
                           const ModChoice& mod) {
    if (mod.index >= 1)
        return mod.parameters + " +exec velkarn";
    if (path == LaunchPath::Join)
        return "+exec velkarn";
    return "+exec velkarn " + extraCommandLine;
}

std::string scriptPath(const std::string& gameFolder) {
    return withTrailingSlash(gameFolder) + "baseq3/velkarn.cfg";
}

void writeGameScript(const std::string& gameFolder, const Lines& lines) {
    // An empty path would put the script below whatever folder the program was started in.
    if (gameFolder.empty())
        throw UserMessage("Please set Quake III Arena executable path in Options, Game!");
    writeTextFile(scriptPath(gameFolder), lines, WriteErrorKind::InOut);
}

void requireGameStarted(bool started) {
    if (!started)
        throw UserMessage("Quake 3 Executable not found!");
}

bool startGame(const std::string& gameFolder, const std::string& parameters) {
    if (gameFolder.empty())
        return false;
    const auto executable = findGameExecutable(gameFolder);
    return executable && startDetached(*executable, parameters, gameFolder);
}

LaunchPreview previewLaunch(const GameSettings& game, LaunchPath path, Lines script) {
    const auto executable =
        game.gameFolder.empty() ? std::nullopt : findGameExecutable(game.gameFolder);
    const std::string program =
        executable ? *executable : "(no game executable in \"" + game.gameFolder + "\")";
    return {program + " " + gameParameters(path, game.extraCommandLine, game.mod),
            scriptPath(game.gameFolder), std::move(script)};
}

void writeLocalScript(const std::string& gameFolder, const PlayerSettings& player,
                      const Rotation& rotation) {
    writeGameScript(gameFolder, localScriptLines(player, rotation));
}

void writeJoinScript(const std::string& gameFolder, const PlayerSettings& player,
                     const SavedServer& server) {
    writeGameScript(gameFolder, joinScriptLines(player, server));
}

void writeServerScript(const std::string& gameFolder, const ServerOptions& options,
                       const ServerRotation& rotation) {
    writeGameScript(gameFolder, serverScriptLines(options, rotation));
}

bool playLocal(const GameSettings& game, const PlayerSettings& player, const Rotation& rotation) {
    writeLocalScript(game.gameFolder, player, rotation);
    return startGame(game.gameFolder,
                     gameParameters(LaunchPath::LocalPlay, game.extraCommandLine, game.mod));
}

bool joinServer(const GameSettings& game, const PlayerSettings& player, const SavedServer& server) {
    writeJoinScript(game.gameFolder, player, server);
    return startGame(game.gameFolder,
                     gameParameters(LaunchPath::Join, game.extraCommandLine, game.mod));
}

bool startServer(const GameSettings& game, const ServerOptions& options,
                 const ServerRotation& rotation) {
    writeServerScript(game.gameFolder, options, rotation);
    return startGame(game.gameFolder,
                     gameParameters(LaunchPath::Server, game.extraCommandLine, game.mod));
}

} // namespace velkarn
