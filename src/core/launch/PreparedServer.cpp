#include "core/launch/PreparedServer.h"

#include "core/launch/GameScript.h"
#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/PrintableText.h"
#include "core/setup/ScriptValues.h"

#include <filesystem>

namespace velkarn {

namespace {

std::string firstLine(const std::string& path) {
    return lineAt(readTextFile(path), 0);
}

void requireScriptLines(const Lines& script, const std::string& path) {
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < script.size(); ++i) {
        const std::string where = "Line " + std::to_string(i + 1) + " of " + path + ": ";
        if (script[i].size() > MaxScriptLineBytes)
            throw UserMessage(where + "the engine reads at most " +
                              std::to_string(MaxScriptLineBytes) + " bytes of a line.");
        if (hasControlCharacter(script[i]))
            throw UserMessage(where + "a control character.");
        bytes += script[i].size() + 2;
    }
    if (bytes > MaxScriptBytes)
        throw UserMessage("The server script " + path + " is larger than the engine's command " +
                          "buffer of " + std::to_string(MaxScriptBytes / 1024) + " KiB.");
}

} // namespace

PreparedServer readPreparedServer(const std::string& folder) {
    const std::string base = withTrailingSlash(folder);
    PreparedServer prepared;
    const std::string scriptPath = base + PreparedScriptFile;
    prepared.script = readTextFile(scriptPath);
    requireScriptLines(prepared.script, scriptPath);
    if (pathExists(base + PreparedModParametersFile)) {
        prepared.mod = {1, firstLine(base + PreparedModParametersFile)};
    } else if (pathExists(base + PreparedCommandLineFile)) {
        prepared.commandLine = firstLine(base + PreparedCommandLineFile);
    }
    return prepared;
}

Installation preparedInstallation(const std::vector<Installation>& found,
                                  const std::string& dataFolder) {
    for (const Installation& installation : found)
        if (!installation.serverCommand.empty() && installation.dataFolder == dataFolder)
            return installation;
    throw UserMessage("No dedicated server program here reads the data folder " +
                      printableText(dataFolder) +
                      " (openarena-server reads baseoa, ioquake3-server baseq3).");
}

namespace {

[[noreturn]] void throwLinkFailed(const std::string& archive, const std::string& folder,
                                  const std::error_code& error) {
    throw UserMessage("Cannot link the game's archive " + archive + " into " + folder + ": " +
                      error.message());
}

} // namespace

void linkGameData(const Installation& installation, const std::string& gameDataFolder) {
    const std::string source = withTrailingSlash(gameDataFolder);
    const std::string target = preparedScriptFolder(installation);
    int archives = 0;
    for (const FolderEntry& entry : listFolder(source)) {
        // The content search passes over such names too: no list file may gain a line break.
        if (entry.isFolder || !entry.name.ends_with(".pk3") || hasControlCharacter(entry.name))
            continue;
        ++archives;
        std::error_code error;
        if (std::filesystem::is_symlink(target + entry.name, error) ||
            pathExists(target + entry.name))
            continue;
        std::filesystem::create_symlink(source + entry.name, target + entry.name, error);
        if (error)
            throwLinkFailed(source + entry.name, target, error);
    }
    if (archives == 0)
        throw UserMessage("The game data folder " + source +
                          " holds no .pk3 archive: is the game's data volume mounted there?");
}

// The script and the log a served setup's script names share ("set g_log NAME.log"); scripts
// without that line get a name of the Pod's port.
std::string preparedInstance(const Lines& script, int port) {
    constexpr std::string_view LogLine = "set g_log ";
    for (const std::string& line : script)
        if (line.starts_with(LogLine) && line.ends_with(".log") &&
            isSafeScriptValue(line.substr(LogLine.size()), ScriptValueKind::Word))
            return line.substr(LogLine.size(), line.size() - LogLine.size() - 4);
    return serveInstanceName("prepared", port);
}

ServePlan planPreparedServe(const Installation& installation, const PreparedServer& prepared,
                            const ServerPasswords& passwords, int port) {
    return dedicatedPlan(installation, unmaskedScript(prepared.script, passwords), port,
                         prepared.commandLine, prepared.mod,
                         preparedInstance(prepared.script, port));
}

} // namespace velkarn
