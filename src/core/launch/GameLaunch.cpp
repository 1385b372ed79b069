#include "core/launch/GameLaunch.h"

#include "core/launch/ScriptPasswords.h"
#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/GameExecutable.h"
#include "core/platform/Process.h"

#include <filesystem>
#include <unistd.h>

namespace velkarn {

std::string gameParameters(LaunchPath path, const std::string& extraCommandLine,
                           const ModChoice& mod) {
    if (mod.index >= 1)
        return mod.parameters + " +exec velkarn";
    if (path == LaunchPath::Join)
        return "+exec velkarn";
    return "+exec velkarn " + extraCommandLine;
}

std::vector<std::string> gameArguments(LaunchPath path, const std::string& extraCommandLine,
                                       const ModChoice& mod, const std::string& script) {
    const std::vector<std::string> exec{"+exec", script};
    std::vector<std::string> arguments;
    if (mod.index >= 1) {
        arguments = splitParameters(mod.parameters);
        arguments.insert(arguments.end(), exec.begin(), exec.end());
        return arguments;
    }
    arguments = exec;
    if (path != LaunchPath::Join) {
        const auto extra = splitParameters(extraCommandLine);
        arguments.insert(arguments.end(), extra.begin(), extra.end());
    }
    return arguments;
}

namespace {

// The engine only writes below its home folder; so do we, and never by a link out of it.
void requireInside(const std::string& folder, const std::string& home) {
    std::error_code error;
    const auto real = std::filesystem::canonical(folder, error).string() + "/";
    const auto realHome = std::filesystem::canonical(home, error).string() + "/";
    if (error || real.compare(0, realHome.size(), realHome) != 0)
        throw UserMessage("The game's folder " + folder + " leads out of the home folder " + home +
                          "; Velkarn writes no game script there.");
}

// Why a self-contained folder has no data folder to write the script to.
std::string missingFolderMessage(const Installation& installation) {
    std::string problem = gameFolderProblem(installation);
    if (!problem.empty())
        return problem;
    const std::string& base = installation.baseFolder;
    return "The game folder " + base.substr(0, base.size() - 1) + " holds no data folder " +
           installation.dataFolder + ".";
}

bool userMayWrite(const Installation& installation, const std::string& folder) {
    return installation.kind == Installation::Kind::Folder && folderExists(folder) &&
           ::access(folder.c_str(), W_OK) == 0;
}

} // namespace

std::string scriptFolder(const Installation& installation) {
    // An empty path would put the script below whatever folder the program was started in.
    if (installation.baseFolder.empty())
        throw UserMessage("Please set Quake III Arena executable path in Options, Game!");
    std::string baseData = installation.baseFolder + installation.dataFolder + "/";
    if (userMayWrite(installation, baseData))
        return baseData;
    if (installation.kind == Installation::Kind::Folder && !folderExists(baseData))
        throw UserMessage(missingFolderMessage(installation));
    std::string homeData = installation.homeFolder + installation.dataFolder + "/";
    if (folderExists(homeData) && !installation.userHome.empty())
        requireInside(homeData, installation.userHome);
    return homeData;
}

std::string scriptPath(const Installation& installation) {
    return scriptFolder(installation) + "velkarn.cfg";
}

std::string preparedScriptFolder(const Installation& installation) {
    std::string folder = scriptFolder(installation);
    // Only a home data folder can be missing here; it is made when a script is really written.
    if (!folderExists(folder)) {
        if (!createFolder(folder))
            throw UserMessage("Cannot create the folder " + folder);
        if (!installation.userHome.empty())
            requireInside(folder, installation.userHome);
    }
    return folder;
}

std::string engineWorkingFolder(const Installation& installation) {
    const std::string& base = installation.baseFolder;
    return userMayWrite(installation, base) ? base : installation.homeFolder;
}

// A join or server script holds the password: readable by its owner alone, as the engine runs
// as the same user.
void writeGameScript(const Installation& installation, const Lines& lines) {
    writeTextFile(preparedScriptFolder(installation) + "velkarn.cfg", lines, WriteErrorKind::InOut,
                  FileAccess::OwnerOnly);
}

void requireGameStarted(bool started) {
    if (!started)
        throw UserMessage("Quake 3 Executable not found!");
}

bool gameCanStart(const Installation& installation) {
    return !installation.startCommand.empty() && fileExists(installation.startCommand.front());
}

bool startGame(const Installation& installation, const std::vector<std::string>& arguments) {
    if (!gameCanStart(installation))
        return false;
    std::vector<std::string> command = installation.startCommand;
    command.insert(command.end(), arguments.begin(), arguments.end());
    return startDetached(command, engineWorkingFolder(installation));
}

LaunchPreview previewLaunch(const GameSettings& game, LaunchPath path, const Lines& script) {
    const Installation& installation = game.installation;
    std::string command = installation.commandText() + " ";
    if (installation.startCommand.empty())
        command = "(no game executable in \"" + installation.baseFolder + "\") ";
    std::string where;
    try {
        where = scriptPath(installation);
    } catch (const std::exception& error) {
        where = error.what();
    }
    return {command + gameParameters(path, game.extraCommandLine, game.mod), where,
            maskedScript(script)};
}

void writeLocalScript(const Installation& installation, const PlayerSettings& player,
                      const Rotation& rotation, const DefinedBots& bots) {
    writeGameScript(installation, localScriptLines(player, rotation, bots));
}

void writeJoinScript(const Installation& installation, const PlayerSettings& player,
                     const SavedServer& server) {
    writeGameScript(installation, joinScriptLines(player, server));
}

void writeServerScript(const Installation& installation, const ServerOptions& options,
                       const ServerRotation& rotation) {
    writeGameScript(installation, serverScriptLines(options, rotation));
}

namespace {

// Starts the game along `path` once its script is written. Whoever watches launches is told
// just before, and only when the game can start: one that cannot was never played or joined.
bool startLaunch(const GameSettings& game, LaunchPath path, const SavedServer* joined = nullptr) {
    if (!gameCanStart(game.installation))
        return false;
    if (joined && game.joining)
        game.joining(*joined);
    else if (!joined && game.starting)
        game.starting(path);
    return startGame(game.installation, gameArguments(path, game.extraCommandLine, game.mod));
}

} // namespace

bool playLocal(const GameSettings& game, const PlayerSettings& player, const Rotation& rotation,
               const DefinedBots& bots) {
    writeLocalScript(game.installation, player, rotation, bots);
    return startLaunch(game, LaunchPath::LocalPlay);
}

bool joinServer(const GameSettings& game, const PlayerSettings& player, const SavedServer& server) {
    writeJoinScript(game.installation, player, server);
    return startLaunch(game, LaunchPath::Join, &server);
}

bool startServer(const GameSettings& game, const ServerOptions& options,
                 const ServerRotation& rotation) {
    writeServerScript(game.installation, options, rotation);
    return startLaunch(game, LaunchPath::Server);
}

} // namespace velkarn
